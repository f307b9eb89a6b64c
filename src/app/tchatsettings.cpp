// The main window and the settings file: its placement, and the options
// of the window and its dialogs, loaded at the own arrival and saved when
// one changes, a game is started, the phrases are edited, or the window was
// moved when it closes.
#include "board.h"
#include "hostcontrols.h"
#include "mainmenus.h"
#include "tchat.h"
#include "tdownload.h"
#include "tgamestart.h"

#include <QScreen>

QRect Tchat::bounds() const {
    return frameGeometry();
}

void Tchat::setBounds(const QRect& outer) {
    // Outer bounds: the frame around the window counts.
    const QSize frame = frameGeometry().size() - geometry().size();
    move(outer.topLeft());
    resize(outer.size() - frame);
}

void Tchat::ResetScreenLocation1Click() {
    setBounds(QRect(kDefaultLeft, kDefaultTop, kDefaultWidth, kDefaultHeight));
}

void Tchat::placeWindow() {
    const Settings settings = m_store.load();
    if (settings.placementStored) {
        setBounds(settings.bounds);
        return;
    }
    // The first start: most of the screen, centred; where the lobby window
    // will be offered and the screen is wide enough, with room for it at
    // the right so that it covers nothing of the table.
    const QRect work = screen()->availableGeometry();
    QSize size = (work.size() * 0.8).expandedTo(minimumSizeHint());
    int besideWidth = 0;
    if (settings.offerLobby && m_windows.download != nullptr) {
        const int lobby = m_windows.download->sizeHint().width() + kWindowGap * 2;
        if (work.width() - lobby - kWindowGap * 2 >= work.width() * 6 / 10) {
            size.setWidth(std::min(size.width(), work.width() - lobby - kWindowGap * 2));
            besideWidth = lobby;
        }
    }
    resize(size);
    const QPoint centre = work.center() - QPoint(besideWidth / 2, 0);
    move(centre - QPoint(size.width() / 2, size.height() / 2));
}

void Tchat::loadinifile() {
    const Settings settings = m_store.load();
    // A first start keeps the place it was given (placeWindow), as if the
    // file had said so: the close rule writes it once it is moved.
    if (settings.placementStored) {
        m_placement = settings.bounds;
        setBounds(m_placement);
    } else {
        m_placement = bounds();
    }
    // A window closed maximised opens maximised, its normal bounds kept.
    m_placementMaximized = settings.maximized;
    if (m_placementMaximized) {
        showMaximized();
    }
    if (Tgamestart* dialog = m_windows.gamestart) {
        if (settings.playTo) {
            dialog->setPlayto(*settings.playTo);
        }
        if (settings.safe) {
            dialog->changebox(*settings.safe);
        }
        dialog->setStrongComputers(settings.strongComputers);
        dialog->setHouseRules(hearts::houseRulesFromCode(settings.houseRules.toStdString()));
    }
    m_hostControls->applyComputerLevel(settings.strongComputers);
    options().apply(settings);
}

void Tchat::saveinifile(const QRect& outer) {
    Settings settings;
    settings.bounds = outer;
    settings.maximized = isMaximized();
    if (Tgamestart* dialog = m_windows.gamestart) {
        settings.playTo = dialog->playtoText().toInt();
        settings.safe = dialog->safeState();
        settings.strongComputers = dialog->strongComputers();
        settings.houseRules = QString::fromStdString(hearts::houseRulesCode(dialog->houseRules()));
    } else {
        settings.playTo.reset();
        settings.safe.reset();
    }
    options().fill(settings);
    m_store.saveWindow(settings);
}

void Tchat::FormClose() {
    QRect outer = bounds();
    if (isMaximized()) {
        // The bounds to come back to when the window is restored.
        const QRect frame = frameGeometry();
        const QRect inner = geometry();
        const QRect normal = normalGeometry();
        outer = QRect(normal.topLeft() - (inner.topLeft() - frame.topLeft()),
                      normal.size() + (frame.size() - inner.size()));
    }
    if (outer == m_placement && isMaximized() == m_placementMaximized) {
        return;
    }
    // A window larger than the work area is kept 15 pixels smaller.
    if (const QScreen* where = screen()) {
        const QRect work = where->availableGeometry();
        if (outer.width() > work.width()) {
            outer.setWidth(outer.width() - 15);
        }
        if (outer.height() > work.height()) {
            outer.setHeight(outer.height() - 15);
        }
    }
    m_placement = outer;
    m_placementMaximized = isMaximized();
    m_closing = true;
    saveinifile(outer);
    m_closing = false;
}

void Tchat::sendStartGame(const QString& playto, int safe) {
    if (m_windows.gamestart != nullptr) {
        m_hostControls->applyComputerLevel(m_windows.gamestart->strongComputers());
    }
    state().sendStartGame(playto.toStdString(), safe,
                          m_windows.gamestart != nullptr ? m_windows.gamestart->houseRules()
                                                         : hearts::HouseRules{});
    saveinifile();
    // The keyboard comes back to the table for the game.
    activateWindow();
    m_table->board().focusHand();
}

void Tchat::storePhrases(const QStringList& phrases) {
    Settings settings = m_store.load();
    for (int n = 1; n <= ChatPanel::kPhrases && n <= phrases.size(); ++n) {
        m_chat->setPhrase(n, phrases.at(n - 1));
        settings.phrases[static_cast<std::size_t>(n)] = phrases.at(n - 1);
    }
    m_store.savePhrases(settings);
}
