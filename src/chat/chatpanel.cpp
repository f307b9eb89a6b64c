#include "chatpanel.h"

#include "cardpictures.h"
#include "picturebutton.h"
#include "protocol.h"
#include "sounds.h"
#include "wiremessage.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<const char*, 21> kSoundCaptions = {
    "<Cancel>",       "Doh",          "Cough", "Hello",   "Thank You", "Where have you been?",
    "Snoring",        "Sneezing",     "Sorry", "Welcome", "Yeehaa",    "Yippee",
    "Oh No",          "Applause",     "Honk",  "Oooh",    "Razzberry", "Cheer",
    "Woman Laughing", "Man Laughing", "Crying"};

constexpr std::array<const char*, 10> kBuiltInPhrases = {
    "",           "Way To Go!", "Good One!", "Nice Try!",         "Excellent!",
    "Brilliant!", "Wow, WTG!",  "Thanks!",   "Way To Go Teamie!", "Good Game Everyone!"};

} // namespace

ChatInput::ChatInput(QWidget* parent) : QLineEdit(QString::fromLatin1(kPrompt), parent) {
    setObjectName(QStringLiteral("mychat"));
}

void ChatInput::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
        return;
    }
    if (text() == QLatin1String(kPrompt)) {
        clear();
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ChatInput::pasteAtEnd() {
    const QString clip = QApplication::clipboard()->text();
    if (!clip.isEmpty()) {
        appendText(clip);
    }
}

void ChatInput::appendText(const QString& added) {
    if (text() == QLatin1String(kPrompt)) {
        clear();
    }
    setText(text() + added);
    deselect();
    setCursorPosition(static_cast<int>(text().size()));
}

void ChatInput::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu;
    menu.addAction(QStringLiteral("Paste"), QKeySequence::Paste, this, &ChatInput::pasteAtEnd);
    menu.exec(event->globalPos());
}

ChatPanel::ChatPanel(Sounds& sounds, QWidget* parent) : QWidget(parent), m_sounds(sounds) {
    setObjectName(QStringLiteral("chatpanel"));
    const qreal ratio = devicePixelRatioF();
    for (int n = 1; n <= 10; ++n) {
        auto* button = new PictureButton(
            [n](qreal scale) { return cardpictures::phraseButton(n, scale); }, QSize(24, 22), this);
        // Reached by Tab, not taken by a click: arrows and Enter stay with
        // the table and the chat line.
        button->setFocusPolicy(Qt::TabFocus);
        button->setObjectName(QStringLiteral("b_phrase%1").arg(n));
        button->move(1 + (n - 1) * 27, 0);
        b_phrase[static_cast<std::size_t>(n)] = button;
        if (n <= kPhrases) {
            setPhrase(n, builtInPhrase(n));
            connect(button, &QAbstractButton::clicked, this, [this, n] { b_phrase1Click(n); });
        }
    }
    b_phrase[10]->setToolTip(QStringLiteral("Chatter Sounds"));
    b_phrase[10]->setAccessibleName(QStringLiteral("Chatter Sounds"));
    for (int tag = 0; tag <= protocol::kChatterSounds; ++tag) {
        QAction* item = popup_sounds.addAction(soundCaption(tag));
        item->setObjectName(tag == 0 ? QStringLiteral("Cancel1")
                                     : QString::fromStdString(protocol::chatterSound(tag)));
        item->setToolTip(soundCaption(tag));
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { wave12Click(tag); });
    }
    connect(b_phrase[10], &QAbstractButton::clicked, this, [this] {
        popup_sounds.popup(b_phrase[10]->mapToGlobal(b_phrase[10]->rect().bottomRight()));
    });

    mainchat = new ChatView(this);
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    mainchat->setAccessibleName(QStringLiteral("Chat history"));
    SelectAll1 =
        popup_view.addAction(QStringLiteral("Select All"), mainchat, &QTextEdit::selectAll);
    Copy1 = popup_view.addAction(QStringLiteral("Copy"), QKeySequence::Copy, mainchat,
                                 &QTextEdit::copy);
    ClearMainChat1 = popup_view.addAction(QStringLiteral("Clear Main Chat"), this, [this] {
        mainchat->clearMainChat();
        mychat->setFocus();
    });
    ScrollChatOff1 = popup_view.addAction(QStringLiteral("Scroll Chat Off"));
    ScrollChatOff1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ScrollChatOff1->setCheckable(true);
    connect(ScrollChatOff1, &QAction::toggled, this, [this](bool on) {
        mainchat->setScrollOff(on);
        emit scrollChatOffToggled(on);
    });
    connect(mainchat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_view.popup(mainchat->mapToGlobal(at)); });

    mychat = new ChatInput(this);
    mychat->setAccessibleName(QStringLiteral("Chat"));
    connect(mychat, &ChatInput::enterPressed, this, &ChatPanel::sendit);
    connect(mychat, &ChatInput::escapePressed, this, &ChatPanel::leaveRequested);
    button_smilies = new QToolButton(this);
    button_smilies->setObjectName(QStringLiteral("button_smilies"));
    button_smilies->setIcon(QIcon(QPixmap::fromImage(cardpictures::smiley(0, ratio))));
    button_smilies->setToolTip(QStringLiteral("Smilies"));
    button_smilies->setAccessibleName(QStringLiteral("Smilies"));
    connect(&popup_smilies, &QMenu::aboutToShow, this, &ChatPanel::smilies);
    connect(button_smilies, &QToolButton::clicked, this, [this] {
        popup_smilies.popup(button_smilies->mapToGlobal(button_smilies->rect().bottomRight()));
    });
    resize(278, 430);
    layoutParts();
}

QMenu* ChatPanel::smilies() {
    // The smilies' pictures are drawn when the menu first opens.
    if (popup_smilies.isEmpty()) {
        const qreal scale = devicePixelRatioF();
        for (int n = 10; n <= 27; ++n) {
            QAction* item = popup_smilies.addAction(
                QIcon(QPixmap::fromImage(cardpictures::smiley(n - 10, scale))),
                QStringLiteral(":)#%1").arg(n));
            item->setData(n);
            connect(item, &QAction::triggered, this,
                    [this, n] { mychat->appendText(QStringLiteral(":)#%1").arg(n)); });
        }
    }
    return &popup_smilies;
}

void ChatPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutParts();
}

void ChatPanel::layoutParts() {
    // The phrase buttons on top, the input line with its smilies at the
    // bottom, the chat view between; the buttons grow with the panel.
    const int w = width();
    const int h = height();
    const qreal scale = std::max(1.0, std::min(w / 278.0, h / 430.0));
    auto px = [scale](qreal units) { return static_cast<int>(std::lround(units * scale)); };
    for (int n = 1; n <= 10; ++n) {
        b_phrase[static_cast<std::size_t>(n)]->setGeometry(px(1 + (n - 1) * 27), 0, px(24), px(22));
    }
    const int line = px(24);
    mainchat->setGeometry(0, px(26), w, h - px(26) - line - px(4));
    mychat->setGeometry(0, h - line, w - line - px(3), line);
    button_smilies->setGeometry(w - line, h - line, line, line);
    button_smilies->setIconSize(QSize(px(17), px(16)));
}

QString ChatPanel::builtInPhrase(int number) {
    return number >= 1 && number <= kPhrases
               ? QString::fromLatin1(kBuiltInPhrases[static_cast<std::size_t>(number)])
               : QString();
}

QString ChatPanel::soundCaption(int tag) {
    return tag >= 0 && tag <= protocol::kChatterSounds
               ? QString::fromLatin1(kSoundCaptions[static_cast<std::size_t>(tag)])
               : QString();
}

void ChatPanel::setPhrase(int number, const QString& text) {
    m_phrases[static_cast<std::size_t>(number)] = text;
    b_phrase[static_cast<std::size_t>(number)]->setToolTip(text);
    b_phrase[static_cast<std::size_t>(number)]->setAccessibleName(
        QStringLiteral("Phrase %1: %2").arg(number).arg(text));
}

void ChatPanel::setChatColour(colortext::ColorValue colour) {
    m_chatColour = colour;
    QPalette palette = mychat->palette();
    palette.setColor(QPalette::Text, colortext::toColor(colour));
    mychat->setPalette(palette);
}

void ChatPanel::sendTextWithColour(protocol::Command command, const QString& text) {
    send(
        protocol::build(command, mySeat(),
                        (text + QLatin1Char('|') + colortext::toText(m_chatColour)).toStdString()));
}

void ChatPanel::sendit() {
    if (!connected()) {
        return;
    }
    const QString text = mychat->text();
    if (!text.isEmpty()) {
        if (!text.startsWith(QLatin1Char('/'))) {
            sendTextWithColour(protocol::Command::Chat, text);
        } else if (text.startsWith(QLatin1String("/me"))) {
            sendTextWithColour(protocol::Command::Action, text.mid(4));
        }
    }
    mychat->clear();
}

void ChatPanel::chatrecieved(int code, const std::string& body) {
    QString said = QString::fromStdString(body);
    // The solo player is "You": his own phrase reads as he would say it.
    if (code == mySeat() && said.startsWith(QLatin1String("You says: "))) {
        said.replace(0, 10, QStringLiteral("You say: "));
    }
    const QString text = QString::number(code) + QLatin1Char('+') + said;
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    colortext::ColorValue colour = colortext::kRed;
    if (bar >= 0 && !colortext::fromText(text.mid(bar + 1), colour)) {
        colour = colortext::kRed;
    }
    mainchat->addlinetochat(bar < 0 ? text : text.left(bar), colour);
}

bool ChatPanel::phraseGuardOpen() const {
    return !m_phraseGuard.isValid() || m_phraseGuard.elapsed() >= kPhraseGuardMs;
}

void ChatPanel::b_phrase1Click(int number) {
    if (!phraseGuardOpen() || !connected()) {
        return;
    }
    const QString text = phrase(number);
    if (text.startsWith(QLatin1String("/me "))) {
        sendTextWithColour(protocol::Command::Action, text.mid(4));
    } else {
        sendTextWithColour(protocol::Command::Action, QStringLiteral("says: ") + text);
    }
    m_phraseGuard.start();
}

void ChatPanel::wave12Click(int tag) {
    const int seat = mySeat();
    if (tag == 0 || !connected() || seat < 1 || seat > 4) {
        return;
    }
    send(protocol::build(protocol::Command::Playasound, seat, protocol::chatterSound(tag)));
}

void ChatPanel::playasound(int seat, const std::string& sound) {
    // Only the chatter sounds of the list: never a game cue or anything else.
    const std::optional<int> tag = protocol::chatterSoundNumber(sound);
    if (!tag) {
        return;
    }
    const QString caption = soundCaption(*tag);
    if (m_sounds.chatterSounds) {
        m_sounds.playChatter(QString::fromStdString(sound));
        return;
    }
    const QString who = seatName(seat);
    if (!who.isEmpty()) {
        statusLine(QString::fromStdString(protocol::statusLine(
            (who + QStringLiteral(": <Chatter Sound> ") + caption).toStdString())));
    }
}
