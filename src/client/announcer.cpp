#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// The announcer as assistive technology sees it: a notification whose name
// is the last sentence.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<const Announcer*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* announcerFactory(const QString& /*className*/, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object)) {
        return new AnnouncerAccessible(announcer);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Announcer::announce(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    m_text = text;
    if (isVisible()) {
        // The new name first, so that a reader's cache of names holds it
        // (a reader says nothing of a name change away from the focus);
        // then the notification appears, which it speaks.
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
        ++m_timesShown;
    }
}
