#pragma once

#include <QDialog>

// The editor of the nine phrase buttons.
class Tphrases : public QDialog {
    Q_OBJECT
public:
    explicit Tphrases(QWidget* parent = nullptr) : QDialog(parent) {
        setWindowTitle(QStringLiteral("Hearts - Phrase Buttons "));
    }
};
