#include "sounds.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundSink::QtSoundSink(QObject* parent) : QObject(parent) {}

QString QtSoundSink::resourceFor(const QString& name) {
    const QString path = QStringLiteral(":/sounds/%1.wav").arg(name.toUpper());
    return QFile::exists(path) ? path : QString();
}

void QtSoundSink::play(const QString& name) {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        return;
    }
    const QString path = resourceFor(name);
    if (path.isEmpty()) {
        return;
    }
    QSoundEffect*& effect = m_effects[path];
    if (effect == nullptr) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
    }
    if (m_current != nullptr && m_current != effect) {
        m_current->stop();
    }
    m_current = effect;
    effect->stop();
    effect->play();
}
