// The main window's side windows and boxes: where each opens (centred on
// the window, beside it, or where the table shows nothing of the game), the
// game's start and summary, messages, and the lobby window.
#include "board.h"
#include "clienttable.h"
#include "gamesummarywindow.h"
#include "tablechoices.h"
#include "tabout.h"
#include "tchat.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "tserver.h"
#include "tspylist.h"
#include "ttallylist.h"

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

QPoint Tchat::placeOnTable(QSize size, bool left) {
    // The places to try, in order: the table's corners and sides on the
    // asked side, the chat column (whose history waits; the left-hand
    // window at its foot, the other at its head), then the other side.
    const QRect table(board().mapToGlobal(QPoint(0, 0)), board().size());
    const auto onTable = [&](bool atLeft) {
        const int x = atLeft ? table.left() : table.right() + 1 - size.width();
        return std::vector<QPoint>{QPoint(x, table.top()),
                                   QPoint(x, table.center().y() - size.height() / 2)};
    };
    std::vector<QPoint> places = onTable(left);
    if (m_chat->isVisible()) {
        const QRect column(m_chat->mapToGlobal(QPoint(0, 0)), m_chat->size());
        places.emplace_back(column.right() + 1 - size.width(),
                            left ? column.bottom() + 1 - size.height() : column.top());
    }
    for (const QPoint& place : onTable(!left)) {
        places.push_back(place);
    }
    // The first that covers nothing of the game, else the one that covers
    // least of it.
    std::vector<QRect> areas;
    for (const QRect& area : board().gameAreas()) {
        areas.emplace_back(board().mapToGlobal(area.topLeft()), area.size());
    }
    QPoint best = places.front();
    long long leastCovered = -1;
    for (const QPoint& place : places) {
        const QRect window(place, size);
        long long covered = 0;
        for (const QRect& area : areas) {
            const QRect overlap = window.intersected(area);
            covered += static_cast<long long>(overlap.width()) * overlap.height();
        }
        if (leastCovered < 0 || covered < leastCovered) {
            best = place;
            leastCovered = covered;
        }
        if (covered == 0) {
            break;
        }
    }
    return best;
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
        at = placeOnTable(size, left);
        at.setX(std::clamp(at.x(), work.left(), work.right() - size.width()));
        at.setY(std::clamp(at.y(), work.top(), work.bottom() - size.height()));
    }
    window->move(at);
    window->show();
    window->raise();
    window->activateWindow();
}

Tchat::Windows Tchat::makeSideWindows() {
    Windows windows;
    windows.download = new Tdownload(this);
    windows.tallylist = new Ttallylist(this);
    windows.about = new Tabout(this);
    windows.gamestart = new Tgamestart(this);
    windows.help = new Thelp(this);
    windows.phrases = new Tphrases(this);
    windows.spylist = new Tspylist(this);
    return windows;
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
