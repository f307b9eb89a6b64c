// The main window's side windows and boxes: where each opens (centred on
// the window, beside it, or where the table shows nothing of the game), the
// game's start and summary, messages, and the lobby window.
#include "board.h"
#include "clienttable.h"
#include "gamesummarywindow.h"
#include "tablechoices.h"
#include "tchat.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "tserver.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

void Tchat::showCentred(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    // A window with a size of its own keeps it; the others fit their content.
    if (!window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
    }
    window->move(geometry().center() - window->rect().center());
    window->show();
    window->raise();
    window->activateWindow();
}

void Tchat::showBeside(QWidget* window, bool left) {
    if (window == nullptr) {
        return;
    }
    if (!window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
    }
    const QRect work = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize size = window->frameGeometry().size();
    QPoint at;
    if (!left && frame.right() + size.width() + kWindowGap <= work.right()) {
        at = QPoint(frame.right() + kWindowGap, frame.top());
    } else if (left && frame.left() - size.width() - kWindowGap >= work.left()) {
        at = QPoint(frame.left() - size.width() - kWindowGap, frame.top());
    } else {
        QRect area = board().freeArea(left);
        if (area.isEmpty()) {
            area = board().freeArea(!left);
        }
        if (area.isEmpty()) {
            // No room anywhere: the corner of the table, over the labels.
            area = QRect(board().width() - size.width(), 0, size.width(), size.height());
        }
        const QPoint centre = board().mapToGlobal(area.center());
        at = centre - QPoint(size.width() / 2, size.height() / 2);
        at.setX(std::clamp(at.x(), work.left(), work.right() - size.width()));
        at.setY(std::clamp(at.y(), work.top(), work.bottom() - size.height()));
    }
    window->move(at);
    window->show();
    window->raise();
    window->activateWindow();
}

void Tchat::showMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Hearts"), text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Tchat::saveFailed(const QString& text) {
    // A closing window has no chat left to read.
    if (m_closing) {
        QMessageBox::warning(this, QStringLiteral("Hearts"), text);
    } else {
        statusLine(text);
    }
}

void Tchat::showGameStart() {
    if (m_windows.gamestart != nullptr) {
        // Only the host's own computer players can be chosen.
        m_windows.gamestart->combo_computerlevel->setEnabled(m_windows.server != nullptr &&
                                                             m_windows.server->listening());
    }
    showCentred(m_windows.gamestart);
}

void Tchat::showGameSummary() {
    GameSummaryWindow* summary = m_table->gameSummaryWindow();
    if (!m_summaryWired) {
        m_summaryWired = true;
        connect(summary, &GameSummaryWindow::playAgainRequested, this, [this] {
            if (Tgamestart* dialog = m_windows.gamestart) {
                sendStartGame(dialog->playtoText(), dialog->safeState());
            }
        });
    }
    summary->refresh();
    showCentred(summary);
}

void Tchat::showGameFull() {
    m_choices->showGameFull();
}

void Tchat::bringForward() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

void Tchat::offerDownloadWindow() {
    if (!m_store.load().offerLobby || m_windows.download == nullptr) {
        return;
    }
    showDownloadWindow();
    // Offered once, unless the player unticks "Don't show this again".
    keepLobbyOffer(!m_windows.download->dontShowAgain->isChecked());
}

void Tchat::keepLobbyOffer(bool offer) {
    Settings kept = m_store.load();
    kept.offerLobby = offer;
    m_store.saveOfferLobby(kept);
}

void Tchat::showDownloadWindow() {
    Tdownload* download = m_windows.download;
    if (download == nullptr) {
        return;
    }
    // Beside the window where there is room (a first start leaves it),
    // else at the top right, clear of the trick in the table's middle.
    download->adjustSize();
    const QRect work = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const int width = download->frameGeometry().width();
    if (frame.right() + kWindowGap + width <= work.right()) {
        download->move(frame.right() + kWindowGap, frame.top());
    } else {
        const int right = std::min(frame.right(), work.right());
        download->move(std::max(work.left(), right - width - 24),
                       std::max(work.top(), frame.top() + 60));
    }
    download->show();
    download->raise();
}
