#pragma once

#include <QDialog>

// A side window of the game: created at start, shown on request, destroyed
// at the end.
class SideWindow : public QDialog {
    Q_OBJECT
public:
    SideWindow(const QString& caption, QWidget* parent) : QDialog(parent) {
        setWindowTitle(caption);
    }
};
