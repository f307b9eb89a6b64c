#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The card table as assistive technology sees it: only what is shown on it
// (a card played or passed leaves the tree rather than staying as a hidden
// item), named "Card table".
QAccessibleInterface* boardAccessibleFactory(const QString& className, QObject* object);
