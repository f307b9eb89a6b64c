#pragma once

#include <QWidget>

// Names a widget for a screen reader only when the name is new: Qt tells
// assistive technology of every call, and a hand redrawn on each key
// would otherwise rename all its cards.
inline void setSpokenName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
}

inline void setSpokenDescription(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
    }
}
