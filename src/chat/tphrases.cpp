#include "tphrases.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tphrases::Tphrases(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Hearts - Phrase Buttons "));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (int n = 1; n <= 9; ++n) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("phrase%1").arg(n));
        field->setMaxLength(50);
        field->setMinimumWidth(260);
        form->addRow(QStringLiteral("Phrase Button %1:").arg(n), field);
        phrase[static_cast<std::size_t>(n)] = field;
    }
    layout->addLayout(form);
    layout->addWidget(
        new QLabel(QStringLiteral("Buttons can only be used once every 2 seconds"), this));
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("button_done"));
    connect(done, &QPushButton::clicked, this, &Tphrases::button_doneClick);
    layout->addWidget(done, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tphrases::setPhrases(const QStringList& texts) {
    for (int n = 1; n <= 9 && n <= texts.size(); ++n) {
        phrase[static_cast<std::size_t>(n)]->setText(texts.at(n - 1));
    }
}

QStringList Tphrases::phrases() const {
    QStringList texts;
    for (int n = 1; n <= 9; ++n) {
        texts.append(phrase[static_cast<std::size_t>(n)]->text());
    }
    return texts;
}

void Tphrases::button_doneClick() {
    emit phrasesDone(phrases());
    close();
}
