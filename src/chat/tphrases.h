#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QStringList>

#include <array>

// The editor of the nine phrase buttons.
class Tphrases : public QDialog {
    Q_OBJECT
public:
    explicit Tphrases(QWidget* parent = nullptr);

    // Fills the fields with the buttons' phrases (1..9).
    void setPhrases(const QStringList& phrases);
    QStringList phrases() const;

    std::array<QLineEdit*, 10> phrase{}; // [1..9]

signals:
    // "Done": the nine texts, to go into the buttons and the settings file.
    void phrasesDone(const QStringList& phrases);

private:
    void button_doneClick();
};
