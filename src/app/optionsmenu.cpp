#include "optionsmenu.h"

#include "carddeckdialog.h"
#include "cardpictures.h"
#include "chatpanel.h"
#include "clienttable.h"
#include "hostcontrols.h"
#include "settings.h"
#include "sounds.h"
#include "tablearea.h"

#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QScreen>

#include <cmath>

namespace {
constexpr std::array<int, 4> kTextSizes = {8, 10, 12, 14};
}

OptionsMenu::OptionsMenu(QMenu* options, Parts parts, QWidget* window)
    : QObject(window), m_parts(parts), m_window(window) {
    PlaySounds1 = options->addAction(QStringLiteral("Play &Sounds"));
    PlaySounds1->setCheckable(true);
    PlaySounds1->setChecked(true);
    connect(PlaySounds1, &QAction::triggered, this, [this](bool on) {
        m_parts.sounds.playSounds = on;
        emit changed();
    });
    PlayChatterSounds1 = options->addAction(QStringLiteral("Play &Chatter Sounds"));
    PlayChatterSounds1->setCheckable(true);
    connect(PlayChatterSounds1, &QAction::triggered, this, [this](bool on) {
        m_parts.sounds.chatterSounds = on;
        emit changed();
    });

    ClientTable& table = m_parts.table;
    QMenu* speed = options->addMenu(QStringLiteral("&Bot Speed"));
    speed->addActions({table.Slow1, table.Normal1, table.Fast1});
    for (QAction* item : {table.Slow1, table.Normal1, table.Fast1}) {
        connect(item, &QAction::triggered, this, &OptionsMenu::changed);
    }

    Animations1 = options->addAction(QStringLiteral("&Animations"));
    Animations1->setObjectName(QStringLiteral("Animations1"));
    Animations1->setCheckable(true);
    Animations1->setChecked(true);
    connect(Animations1, &QAction::triggered, this, [this](bool on) {
        m_parts.table.setAnimations(on);
        emit changed();
    });

    QMenu* cues = options->addMenu(QStringLiteral("Sound C&ues"));
    for (auto [item, text] :
         {std::pair{&CueTurn1, "Your &Turn"}, std::pair{&CueHeartsBroken1, "&Hearts Broken"},
          std::pair{&CueQueenTaken1, "The &Queen Taken"}}) {
        *item = cues->addAction(QString::fromLatin1(text));
        (*item)->setCheckable(true);
        (*item)->setChecked(true);
        connect(*item, &QAction::triggered, this, [this] {
            m_parts.table.state().setCueChoices({CueTurn1->isChecked(),
                                                 CueHeartsBroken1->isChecked(),
                                                 CueQueenTaken1->isChecked()});
            emit changed();
        });
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
        emit changed();
    });
    connect(New1, &QAction::triggered, this, [this] {
        setTurnSound(1);
        emit changed();
    });

    TextColor1 = options->addAction(QStringLiteral("Text C&olor"));
    connect(TextColor1, &QAction::triggered, this, &OptionsMenu::TextColor1Click);
    QMenu* size = options->addMenu(QStringLiteral("Text Si&ze"));
    for (std::size_t i = 0; i < kTextSizes.size(); ++i) {
        const int points = kTextSizes[i];
        QAction* item = size->addAction(QString::number(points));
        item->setObjectName(QStringLiteral("N%1").arg(points));
        item->setCheckable(true);
        textSizeItems[i] = item;
        connect(item, &QAction::triggered, this, [this, points] {
            setTextSize(points);
            emit changed();
        });
    }
    setTextSize(10);

    // The host's time limits, for tables of two or more people.
    m_parts.host.addMenus(options);

    CardDeck1 = options->addAction(QStringLiteral("Card &Deck…"));
    CardDeck1->setObjectName(QStringLiteral("CardDeck1"));
    connect(CardDeck1, &QAction::triggered, this, &OptionsMenu::openCardDecks);

    options->addSeparator();
    ChatPanel& chat = m_parts.chat;
    ScrollChatOff2 = options->addAction(QStringLiteral("Scroll Chat O&ff"));
    ScrollChatOff2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ScrollChatOff2->setCheckable(true);
    // The twin items show one check mark; either one toggles both.
    connect(ScrollChatOff2, &QAction::triggered, chat.ScrollChatOff1, &QAction::setChecked);
    connect(&chat, &ChatPanel::scrollChatOffToggled, ScrollChatOff2, &QAction::setChecked);
    ClearMainChat2 = options->addAction(QStringLiteral("C&lear Main Chat"));
    connect(ClearMainChat2, &QAction::triggered, chat.ClearMainChat1, &QAction::trigger);
    ResetScreenLocation1 = options->addAction(QStringLiteral("&Reset Screen Location"));
    connect(ResetScreenLocation1, &QAction::triggered, this, &OptionsMenu::resetPlacementRequested);
    options->addSeparator();
    JustWatch1 = table.JustWatch1;
    options->addAction(JustWatch1);
}

void OptionsMenu::apply(const Settings& settings) {
    setTextSize(settings.textSize);
    colortext::ColorValue colour = colortext::kBlack;
    if (!colortext::fromText(settings.textColour, colour)) {
        colour = colortext::kBlack;
    }
    m_parts.chat.setChatColour(colour);
    m_parts.table.state().setBotSpeed(settings.botSpeed);
    // A deck that is gone or broken leaves the built-in cards.
    cardpictures::setDeck(settings.cardDeck);
    m_parts.area.update();
    for (int n = 1; n <= ChatPanel::kPhrases; ++n) {
        if (const QString& phrase = settings.phrases[static_cast<std::size_t>(n)];
            !phrase.isEmpty()) {
            m_parts.chat.setPhrase(n, phrase);
        }
    }
    m_parts.sounds.playSounds = settings.playSounds;
    PlaySounds1->setChecked(m_parts.sounds.playSounds);
    setTurnSound(settings.turnSound);
    m_parts.sounds.chatterSounds = settings.chatterSounds;
    PlayChatterSounds1->setChecked(m_parts.sounds.chatterSounds);
    m_parts.table.setAnimations(settings.animations);
    Animations1->setChecked(settings.animations);
    m_parts.table.state().setCueChoices(
        {settings.cueTurn, settings.cueHeartsBroken, settings.cueQueenTaken});
    CueTurn1->setChecked(settings.cueTurn);
    CueHeartsBroken1->setChecked(settings.cueHeartsBroken);
    CueQueenTaken1->setChecked(settings.cueQueenTaken);
}

void OptionsMenu::fill(Settings& settings) const {
    settings.textColour = colortext::toText(m_parts.chat.chatColour());
    settings.textSize = m_parts.chat.mainchat->textSize();
    settings.botSpeed = m_parts.table.state().botSpeed();
    settings.turnSound = m_parts.table.state().turnSound();
    settings.chatterSounds = PlayChatterSounds1->isChecked();
    settings.playSounds = PlaySounds1->isChecked();
    settings.animations = Animations1->isChecked();
    settings.cueTurn = CueTurn1->isChecked();
    settings.cueHeartsBroken = CueHeartsBroken1->isChecked();
    settings.cueQueenTaken = CueQueenTaken1->isChecked();
    settings.cardDeck = cardpictures::deckPath();
}

void OptionsMenu::openCardDecks() {
    auto* dialog = new CardDeckDialog(cardpictures::deckPath(), m_window);
    connect(dialog, &CardDeckDialog::chosen, this, &OptionsMenu::chooseCardDeck);
    dialog->open();
}

void OptionsMenu::chooseCardDeck(const QString& path) {
    if (!cardpictures::setDeck(path)) {
        emit message(QStringLiteral("This card deck cannot be used; the built-in cards stay."));
    }
    m_parts.area.update();
    emit changed();
}

int OptionsMenu::desktopTextSize() {
    const QFont font = QApplication::font();
    if (font.pointSizeF() > 0) {
        return static_cast<int>(std::ceil(font.pointSizeF()));
    }
    // A font sized in pixels: its points at the screen's resolution.
    const qreal dpi = QGuiApplication::primaryScreen() != nullptr
                          ? QGuiApplication::primaryScreen()->logicalDotsPerInchY()
                          : 96.0;
    return static_cast<int>(std::ceil(font.pixelSize() * 72.0 / dpi));
}

void OptionsMenu::setTextSize(int points) {
    // Never smaller than the desktop's own text: the smaller sizes are off.
    const int least = desktopTextSize();
    points = std::max(points, least);
    m_parts.chat.mainchat->setTextSize(points);
    for (std::size_t i = 0; i < textSizeItems.size(); ++i) {
        textSizeItems[i]->setEnabled(kTextSizes[i] >= least);
        textSizeItems[i]->setChecked(kTextSizes[i] == points);
    }
}

void OptionsMenu::setTurnSound(int tag) {
    m_parts.table.state().setTurnSound(tag);
    Classic1->setChecked(tag == 0);
    New1->setChecked(tag == 1);
}

void OptionsMenu::TextColor1Click() {
    auto* dialog = new QColorDialog(colortext::toColor(m_parts.chat.chatColour()), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Only a confirmed choice changes the colour.
    connect(dialog, &QColorDialog::colorSelected, this, [this](const QColor& colour) {
        m_parts.chat.setChatColour(colortext::fromColor(colour));
        emit changed();
    });
    dialog->open();
}
