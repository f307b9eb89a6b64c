#pragma once

#include "cardpictures.h"

#include <QDialog>
#include <QFontMetrics>

// A side window of the game: created at start, shown on request, destroyed
// at the end.
class SideWindow : public QDialog {
    Q_OBJECT
public:
    SideWindow(const QString& caption, QWidget* parent) : QDialog(parent) {
        setWindowTitle(caption);
        // Wide enough for the title bar to show the caption whole (a bold
        // caption, the icon and three buttons beside it).
        setMinimumWidth(captionRoom());
    }

protected:
    // The width the title bar needs for the caption: a window whose layout
    // fixes its size gives one of its rows at least this much.
    int captionRoom() const {
        QFont titleFont = font();
        titleFont.setBold(true);
        return QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarButtonsRoom;
    }

    // What only shows on screen is made when the window is first shown, so
    // start-up does not pay for it.
    virtual void firstShow() {}
    void showEvent(QShowEvent* event) override {
        if (!m_shown) {
            m_shown = true;
            firstShow();
        }
        QDialog::showEvent(event);
    }

    // The table's tiled background, as on the main window.
    void useTableBackground() {
        QPalette tiled = palette();
        tiled.setBrush(QPalette::Window, QBrush(cardpictures::board(cardpictures::Picture::Tile,
                                                                    devicePixelRatioF())));
        setPalette(tiled);
        setAutoFillBackground(true);
    }

private:
    static constexpr int kTitleBarButtonsRoom = 140;
    bool m_shown = false;
};
