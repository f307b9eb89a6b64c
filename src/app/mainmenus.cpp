#include "mainmenus.h"

#include "chatpanel.h"
#include "helpkey.h"
#include "lasttrickwindow.h"
#include "scoresheetwindow.h"
#include "tablechoices.h"
#include "tabout.h"
#include "tchat.h"
#include "thelp.h"
#include "tphrases.h"
#include "tspylist.h"
#include "ttallylist.h"

#include <QApplication>
#include <QMenuBar>

MainMenus::MainMenus(Tchat& window, TableChoices& choices, HostControls& host)
    : QObject(&window), m_window(window) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    StartGame1 = file->addAction(QStringLiteral("&Start Game"));
    StartGame1->setEnabled(false);
    connect(StartGame1, &QAction::triggered, &window, &Tchat::newGame);
    file->addSeparator();
    HostATable1 = file->addAction(QStringLiteral("&Host a Table…"));
    HostATable1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(HostATable1, &QAction::triggered, &choices, &TableChoices::HostATable1Click);
    JoinATable1 = file->addAction(QStringLiteral("&Join a Table…"));
    JoinATable1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(JoinATable1, &QAction::triggered, &choices, &TableChoices::JoinATable1Click);
    file->addSeparator();
    Lobby1 = file->addAction(QStringLiteral("Get the Orvane &Lobby…"));
    connect(Lobby1, &QAction::triggered, &window, &Tchat::showDownloadWindow);
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("E&xit"));
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(Exit1, &QAction::triggered, &window, &QWidget::close);

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    NewGame1 = game->addAction(QStringLiteral("&New Game…"));
    NewGame1->setShortcut(QKeySequence(Qt::Key_F2));
    NewGame1->setEnabled(false);
    connect(NewGame1, &QAction::triggered, &window, &Tchat::newGame);
    Hint1 = game->addAction(QStringLiteral("&Hint"));
    Hint1->setShortcut(QKeySequence(Qt::Key_H));
    Hint1->setToolTip(
        QStringLiteral("Raises the card the Strong computer player would play in "
                       "your place, from what you can see (solo games, and tables whose host "
                       "allows hints)."));
    connect(Hint1, &QAction::triggered, &window, &Tchat::showHint);

    m_options = new OptionsMenu(bar->addMenu(QStringLiteral("&Options")),
                                OptionsMenu::Parts{window.sounds(), window.chat(), window.table(),
                                                   host, window.tableArea()},
                                &window);

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    Chat1 = view->addAction(QStringLiteral("&Chat"));
    Chat1->setCheckable(true);
    Chat1->setChecked(true);
    Chat1->setShortcut(QKeySequence(Qt::Key_F6));
    connect(Chat1, &QAction::triggered, &window, &Tchat::setChatShown);
    view->addSeparator();
    LastTrick1 = view->addAction(QStringLiteral("&Last Trick"));
    LastTrick1->setShortcut(QKeySequence(Qt::Key_L));
    connect(LastTrick1, &QAction::triggered, this,
            [this] { m_window.showBeside(m_window.table().lastTrickWindow(), true); });
    ScoreSheet1 = view->addAction(QStringLiteral("Score &Sheet"));
    ScoreSheet1->setShortcut(QKeySequence(Qt::Key_S));
    connect(ScoreSheet1, &QAction::triggered, this,
            [this] { m_window.showBeside(m_window.table().scoreSheetWindow(), false); });
    QMenu* read = view->addMenu(QStringLiteral("&Read Aloud"));
    ReadTrick1 = read->addAction(QStringLiteral("The &Trick"));
    ReadTrick1->setShortcut(QKeySequence(Qt::Key_T));
    connect(ReadTrick1, &QAction::triggered, this, [this] { m_window.board().readTrick(); });
    static constexpr std::array<const char*, 5> kSeatItems = {
        "", "&My Seat", "The Seat at the &Left", "The Seat &Across", "The Seat at the &Right"};
    for (int position = 1; position <= 4; ++position) {
        QAction* item =
            read->addAction(QString::fromLatin1(kSeatItems[static_cast<std::size_t>(position)]));
        item->setShortcut(QKeySequence(Qt::Key_0 + position));
        connect(item, &QAction::triggered, this,
                [this, position] { m_window.board().readSeat(position); });
        readSeatItems[static_cast<std::size_t>(position)] = item;
    }
    view->addSeparator();
    ViewTally1 = view->addAction(QStringLiteral("View &Tally"));
    connect(ViewTally1, &QAction::triggered, this, [this] {
        m_window.loadchecklist();
        m_window.showCentred(m_window.windows().tallylist);
    });
    SpyList1 = view->addAction(QStringLiteral("Sp&y List"));
    connect(SpyList1, &QAction::triggered, this,
            [this] { m_window.showCentred(m_window.windows().spylist); });
    PrhaseList1 = view->addAction(QStringLiteral("&Phrase List"));
    connect(PrhaseList1, &QAction::triggered, this, &MainMenus::PrhaseList1Click);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    Content1 = help->addAction(QStringLiteral("&Content"));
    Content1->setShortcut(QKeySequence(Qt::Key_F1));
    // The help at the topic of the window F1 came from.
    auto showHelp = [this](int topic) {
        if (Thelp* helpWindow = m_window.windows().help) {
            helpWindow->SelButton1Click(topic);
            m_window.showCentred(helpWindow);
        }
    };
    new HelpKey(&m_window, showHelp);
    connect(Content1, &QAction::triggered, this,
            [showHelp] { showHelp(HelpKey::topicOf(QApplication::activeWindow())); });
    About1 = help->addAction(QStringLiteral("&About"));
    connect(About1, &QAction::triggered, this,
            [this] { m_window.showCentred(m_window.windows().about); });
}

void MainMenus::PrhaseList1Click() {
    Tphrases* phrases = m_window.windows().phrases;
    if (phrases == nullptr) {
        return;
    }
    QStringList list;
    for (int n = 1; n <= ChatPanel::kPhrases; ++n) {
        list.append(m_window.chat().phrase(n));
    }
    phrases->setPhrases(list);
    m_window.showCentred(phrases);
}
