// The main window's options: the Options menu, the settings file and the
// window's placement.
#include "carddeck.h"
#include "cardpictures.h"
#include "inifile.h"
#include "programfolder.h"
#include "settings.h"
#include "tablearea.h"
#include "tchat.h"
#include "tgamestart.h"
#include "tphrases.h"
#include "tserver.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QDir>
#include <QMenu>
#include <QScreen>

namespace {
constexpr std::array<int, 4> kTextSizes = {8, 10, 12, 14};
}

void Tchat::buildOptionsMenu(QMenu* options) {
    PlaySounds1 = options->addAction(QStringLiteral("Play &Sounds"));
    PlaySounds1->setCheckable(true);
    PlaySounds1->setChecked(true);
    connect(PlaySounds1, &QAction::triggered, this, [this](bool on) {
        m_sounds.playSounds = on;
        saveinifile();
    });
    PlayChatterSounds1 = options->addAction(QStringLiteral("Play &Chatter Sounds"));
    PlayChatterSounds1->setCheckable(true);
    connect(PlayChatterSounds1, &QAction::triggered, this, [this](bool on) {
        m_sounds.chatterSounds = on;
        saveinifile();
    });

    QMenu* speed = options->addMenu(QStringLiteral("&Bot Speed"));
    speed->addActions({m_table->Slow1, m_table->Normal1, m_table->Fast1});
    for (QAction* item : {m_table->Slow1, m_table->Normal1, m_table->Fast1}) {
        connect(item, &QAction::triggered, this, [this] { saveinifile(); });
    }

    QMenu* turn = options->addMenu(QStringLiteral("&Turn Sound"));
    auto* turnGroup = new QActionGroup(this);
    Classic1 = turn->addAction(QStringLiteral("&Classic"));
    New1 = turn->addAction(QStringLiteral("&New"));
    for (QAction* item : {Classic1, New1}) {
        item->setCheckable(true);
        turnGroup->addAction(item);
    }
    Classic1->setChecked(true);
    connect(Classic1, &QAction::triggered, this, [this] {
        setTurnSound(0);
        saveinifile();
    });
    connect(New1, &QAction::triggered, this, [this] {
        setTurnSound(1);
        saveinifile();
    });

    TextColor1 = options->addAction(QStringLiteral("Text C&olor"));
    connect(TextColor1, &QAction::triggered, this, &Tchat::TextColor1Click);
    QMenu* size = options->addMenu(QStringLiteral("Text Si&ze"));
    for (std::size_t i = 0; i < kTextSizes.size(); ++i) {
        const int points = kTextSizes[i];
        QAction* item = size->addAction(QString::number(points));
        item->setObjectName(QStringLiteral("N%1").arg(points));
        item->setCheckable(true);
        textSizeItems[i] = item;
        connect(item, &QAction::triggered, this, [this, points] {
            setTextSize(points);
            saveinifile();
        });
    }
    setTextSize(10);

    // The host's time limits, for tables of two or more people.
    auto limitMenu = [this, options](const QString& title, const QString& key,
                                     std::initializer_list<std::pair<const char*, int>> choices) {
        QMenu* menu = options->addMenu(title);
        auto* group = new QActionGroup(menu);
        for (const auto& choice : choices) {
            // A plain variable: clang 14 cannot capture a structured binding.
            const int seconds = choice.second;
            QAction* item = menu->addAction(QString::fromUtf8(choice.first));
            item->setCheckable(true);
            item->setData(seconds);
            group->addAction(item);
            connect(item, &QAction::triggered, this, [this, key, seconds] {
                IniFile ini(settingsPath());
                ini.writeString(m_sectionName, key, QString::number(seconds));
                saveSettings(ini);
                applyTimeLimits();
            });
        }
        return menu;
    };
    TurnTimeLimit1 =
        limitMenu(QStringLiteral("Turn Time &Limit"), QStringLiteral("Turntimeout"),
                  {{"Off", 0}, {"30 Seconds", 30}, {"1 Minute", 60}, {"2 Minutes", 120}});
    LoginTimeLimit1 = limitMenu(QStringLiteral("Log&in Time Limit"), QStringLiteral("Logintimeout"),
                                {{"Off", 0}, {"20 Seconds", 20}, {"1 Minute", 60}});

    CardDeck1 = options->addMenu(QStringLiteral("Card &Deck"));
    CardDeck1->setObjectName(QStringLiteral("CardDeck1"));
    // The decks on this machine are looked for when the menu first opens.
    connect(CardDeck1, &QMenu::aboutToShow, this, &Tchat::fillCardDecks);

    options->addSeparator();
    ScrollChatOff2 = options->addAction(QStringLiteral("Scroll Chat O&ff"));
    ScrollChatOff2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ScrollChatOff2->setCheckable(true);
    // The twin items show one check mark; either one toggles both.
    connect(ScrollChatOff2, &QAction::triggered, m_chat->ScrollChatOff1, &QAction::setChecked);
    connect(m_chat, &ChatPanel::scrollChatOffToggled, ScrollChatOff2, &QAction::setChecked);
    ClearMainChat2 = options->addAction(QStringLiteral("C&lear Main Chat"));
    connect(ClearMainChat2, &QAction::triggered, m_chat->ClearMainChat1, &QAction::trigger);
    ResetScreenLocation1 = options->addAction(QStringLiteral("&Reset Screen Location"));
    connect(ResetScreenLocation1, &QAction::triggered, this, &Tchat::ResetScreenLocation1Click);
    options->addSeparator();
    JustWatch1 = m_table->JustWatch1;
    options->addAction(JustWatch1);
}

void Tchat::applyTimeLimits() {
    const Settings settings = Settings::load(IniFile(settingsPath()));
    auto mark = [](QMenu* menu, int seconds) {
        for (QAction* item : menu->actions()) {
            item->setChecked(item->data().toInt() == seconds);
        }
        return seconds;
    };
    const int turn = mark(TurnTimeLimit1, settings.turnTimeoutSeconds);
    const int login = mark(LoginTimeLimit1, settings.loginTimeoutSeconds);
    if (m_windows.server != nullptr) {
        m_windows.server->setTurnTimeoutMs(turn * 1000);
        m_windows.server->setLoginTimeoutMs(login * 1000);
    }
}

void Tchat::applyComputerLevel(bool strong) {
    if (m_windows.server != nullptr) {
        HostGame::Levels levels{};
        levels.fill(strong ? hearts::Level::Strong : hearts::Level::Classic);
        m_windows.server->setLevels(levels);
    }
}

void Tchat::fillCardDecks() {
    if (!CardDeck1->isEmpty()) {
        return;
    }
    auto* group = new QActionGroup(CardDeck1);
    auto addDeck = [this, group](const QString& name, const QString& path) {
        QAction* item = CardDeck1->addAction(name);
        item->setCheckable(true);
        item->setData(path);
        item->setChecked(path == cardpictures::deckPath());
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, path] { chooseCardDeck(path); });
    };
    addDeck(QStringLiteral("Built-in"), QString());
    CardDeck1->addSeparator();
    for (const carddeck::DeckInfo& deck : carddeck::findDecks()) {
        addDeck(deck.name, deck.path);
    }
}

void Tchat::chooseCardDeck(const QString& path) {
    if (!cardpictures::setDeck(path)) {
        showMessage(QStringLiteral("This card deck cannot be used; the built-in cards stay."));
    }
    markCardDeck();
    saveinifile();
}

void Tchat::markCardDeck() {
    for (QAction* item : CardDeck1->actions()) {
        item->setChecked(item->isCheckable() &&
                         item->data().toString() == cardpictures::deckPath());
    }
    m_area->update();
}

void Tchat::setTextSize(int points) {
    m_chat->mainchat->setTextSize(points);
    for (QAction* item : textSizeItems) {
        item->setChecked(item->objectName() == QStringLiteral("N%1").arg(points));
    }
}

void Tchat::setTurnSound(int tag) {
    state().setTurnSound(tag);
    Classic1->setChecked(tag == 0);
    New1->setChecked(tag == 1);
}

void Tchat::TextColor1Click() {
    auto* dialog = new QColorDialog(colortext::toColor(m_chat->chatColour()), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Only a confirmed choice changes the colour.
    connect(dialog, &QColorDialog::colorSelected, this, [this](const QColor& colour) {
        m_chat->setChatColour(colortext::fromColor(colour));
        saveinifile();
    });
    dialog->open();
}

void Tchat::PrhaseList1Click() {
    if (m_windows.phrases == nullptr) {
        return;
    }
    QStringList phrases;
    for (int n = 1; n <= ChatPanel::kPhrases; ++n) {
        phrases.append(m_chat->phrase(n));
    }
    m_windows.phrases->setPhrases(phrases);
    showCentred(m_windows.phrases);
}

void Tchat::storePhrases(const QStringList& phrases) {
    IniFile ini(settingsPath());
    for (int n = 1; n <= ChatPanel::kPhrases && n <= phrases.size(); ++n) {
        m_chat->setPhrase(n, phrases.at(n - 1));
        ini.writeString(m_sectionName, QStringLiteral("Phrase%1").arg(n), phrases.at(n - 1));
    }
    saveSettings(ini);
}

QString Tchat::settingsPath() const {
    return QDir(programFolder()).filePath(QStringLiteral("orvanelobby.ini"));
}

QRect Tchat::bounds() const {
    return frameGeometry();
}

void Tchat::setBounds(const QRect& outer) {
    // Outer bounds: the frame around the window counts.
    const QSize frame = frameGeometry().size() - geometry().size();
    move(outer.topLeft());
    resize(outer.size() - frame);
}

void Tchat::loadinifile() {
    const Settings settings = Settings::load(IniFile(settingsPath()));
    m_placement = settings.bounds;
    setBounds(m_placement);
    // A window closed maximised opens maximised, its normal bounds kept.
    m_placementMaximized = settings.maximized;
    if (m_placementMaximized) {
        showMaximized();
    }
    setTextSize(settings.textSize);
    colortext::ColorValue colour = colortext::kBlack;
    if (!colortext::fromText(settings.textColour, colour)) {
        colour = colortext::kBlack;
    }
    m_chat->setChatColour(colour);
    if (Tgamestart* dialog = m_windows.gamestart) {
        if (settings.playTo) {
            dialog->setPlayto(*settings.playTo);
        }
        if (settings.safe) {
            dialog->changebox(*settings.safe);
        }
        dialog->setStrongComputers(settings.strongComputers);
    }
    applyComputerLevel(settings.strongComputers);
    state().setBotSpeed(settings.botSpeed);
    // A deck that is gone or broken leaves the built-in cards.
    cardpictures::setDeck(settings.cardDeck);
    markCardDeck();
    for (int n = 1; n <= ChatPanel::kPhrases; ++n) {
        if (const QString& phrase = settings.phrases[static_cast<std::size_t>(n)];
            !phrase.isEmpty()) {
            m_chat->setPhrase(n, phrase);
        }
    }
    m_sounds.playSounds = settings.playSounds;
    PlaySounds1->setChecked(m_sounds.playSounds);
    setTurnSound(settings.turnSound);
    m_sounds.chatterSounds = settings.chatterSounds;
    PlayChatterSounds1->setChecked(m_sounds.chatterSounds);
}

void Tchat::saveinifile(const QRect& outer) {
    IniFile ini(settingsPath());
    Settings settings;
    settings.bounds = outer;
    settings.maximized = isMaximized();
    settings.textColour = colortext::toText(m_chat->chatColour());
    settings.textSize = m_chat->mainchat->textSize();
    if (Tgamestart* dialog = m_windows.gamestart) {
        settings.playTo = dialog->playtoText().toInt();
        settings.safe = dialog->safeState();
        settings.strongComputers = dialog->strongComputers();
    } else {
        settings.playTo.reset();
        settings.safe.reset();
    }
    settings.botSpeed = state().botSpeed();
    settings.turnSound = state().turnSound();
    settings.chatterSounds = PlayChatterSounds1->isChecked();
    settings.playSounds = PlaySounds1->isChecked();
    settings.cardDeck = cardpictures::deckPath();
    settings.save(ini);
    saveSettings(ini, m_closing);
}

void Tchat::ResetScreenLocation1Click() {
    setBounds(QRect(kDefaultLeft, kDefaultTop, kDefaultWidth, kDefaultHeight));
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
