#include "chatpanel.h"
#include "picturebutton.h"
#include "sounds.h"

#include "wait.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Records what would be heard.
struct RecordingSink : SoundSink {
    void play(const QString& name) override { played.append(name); }
    QStringList played;
};

class Chat : public ::testing::Test {
protected:
    void SetUp() override {
        panel.statusLine = [this](const QString& line) { statusLines.append(line); };
        panel.seatName = [](int seat) {
            return seat >= 1 && seat <= 4 ? QStringLiteral("Seat%1").arg(seat) : QString();
        };
        panel.send = [this](const std::string& line) { sent.push_back(line); };
        panel.mySeat = [this] { return mySeat; };
        panel.connected = [this] { return mySeat != 0; };
    }
    // Logged in as this number.
    void arrive(int number) { mySeat = number; }
    // What the panel has sent since the last look.
    std::vector<std::string> takeSent() {
        std::vector<std::string> lines;
        lines.swap(sent);
        return lines;
    }
    void type(const QString& text) {
        panel.mychat->setText(text);
        panel.sendit();
    }

    int mySeat = 0;
    std::vector<std::string> sent;
    RecordingSink sink;
    Sounds sounds{sink};
    ChatPanel panel{sounds};
    QStringList statusLines;
};

} // namespace

TEST_F(Chat, SendingLines) {
    // Before login nothing is sent and the text stays.
    type(QStringLiteral("early"));
    EXPECT_EQ(panel.mychat->text(), QStringLiteral("early"));
    EXPECT_TRUE(takeSent().empty());

    arrive(2);
    struct Case {
        const char* typed;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"hello + world|x", {"CMD_chat+2+hello + world|x|clBlack"}},
        {"/me waves", {"CMD_action+2+waves|clBlack"}},
        {"/me", {"CMD_action+2+|clBlack"}},
        {"/mewaves", {"CMD_action+2+aves|clBlack"}},
        {"/quit", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        type(QString::fromLatin1(c.typed));
        EXPECT_EQ(takeSent(), c.sent) << c.typed;
        EXPECT_TRUE(panel.mychat->text().isEmpty()) << c.typed;
    }
    panel.setChatColour(0x123456);
    type(QStringLiteral("hi"));
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_chat+2+hi|$00123456"});
}

TEST_F(Chat, ReceivedLinesAndTheirColours) {
    struct Case {
        std::string body;
        colortext::ColorValue colour;
        QString text;
    };
    const Case cases[] = {
        {"Ann chats: hi|clBlue", colortext::kBlue, "Ann chats: hi "},
        {"Ann chats: a|b|clBlue", colortext::kRed, "Ann chats: a "},
        {"Ann chats: no colour", colortext::kRed, "Ann chats: no colour "},
        {"Ann chats: bad|clPlaid", colortext::kRed, "Ann chats: bad "},
    };
    for (const Case& c : cases) {
        panel.mainchat->clearMainChat();
        panel.chatrecieved(2, c.body);
        EXPECT_EQ(panel.mainchat->document()->lastBlock().text(), c.text) << c.body;
        EXPECT_EQ(panel.mainchat->styleColour(7), colortext::toColor(c.colour)) << c.body;
    }
}

TEST_F(Chat, TheInputPromptSmiliesAndPaste) {
    EXPECT_EQ(panel.mychat->text(), QStringLiteral("<Enter Chat Here>"));
    panel.smilies()->actions().at(2)->trigger();
    EXPECT_EQ(panel.mychat->text(), QStringLiteral(":)#12"));
    panel.mychat->setText(QStringLiteral("<Enter Chat Here>"));
    QTest::keyClick(panel.mychat, Qt::Key_A);
    EXPECT_EQ(panel.mychat->text(), QStringLiteral("a"));
    QApplication::clipboard()->setText(QStringLiteral(" pasted"));
    panel.mychat->pasteAtEnd();
    EXPECT_EQ(panel.mychat->text(), QStringLiteral("a pasted"));
    EXPECT_EQ(panel.mychat->cursorPosition(), 8);
}

TEST_F(Chat, PhraseButtonsSendOnceEveryTwoSeconds) {
    arrive(3);
    panel.setPhrase(4, QStringLiteral("/me bows"));
    panel.b_phrase1Click(7);
    panel.b_phrase1Click(4);
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_action+3+says: Thanks!|clBlack"});
    EXPECT_FALSE(panel.phraseGuardOpen());
    // Closed until the time is up, however long the machine takes.
    ASSERT_TRUE(waitUntil(
        [&] {
            if (panel.phraseGuardOpen()) {
                return true;
            }
            panel.b_phrase1Click(4);
            EXPECT_TRUE(takeSent().empty());
            return false;
        },
        ChatPanel::kPhraseGuardMs + 5000));
    QTest::mouseClick(panel.b_phrase[4], Qt::LeftButton);
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_action+3+bows|clBlack"});
    EXPECT_EQ(panel.b_phrase[4]->toolTip(), QStringLiteral("/me bows"));
    EXPECT_EQ(ChatPanel::builtInPhrase(9), QStringLiteral("Good Game Everyone!"));
}

TEST_F(Chat, ChatterSoundsGoOutFromSeatsOnly) {
    panel.wave12Click(5); // before login
    EXPECT_TRUE(takeSent().empty());
    arrive(2);
    panel.wave12Click(0); // "<Cancel>"
    panel.popup_sounds.actions().at(13)->trigger();
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_playasound+2+wave13+"});
    EXPECT_EQ(panel.popup_sounds.actions().size(), 21);
    EXPECT_EQ(panel.popup_sounds.actions().at(5)->text(), QStringLiteral("Where have you been?"));
    EXPECT_EQ(panel.popup_sounds.actions().at(5)->toolTip(),
              QStringLiteral("Where have you been?"));
}

TEST_F(Chat, AWatcherSendsNoChatterSound) {
    arrive(6);
    panel.wave12Click(3);
    EXPECT_TRUE(takeSent().empty());
}

TEST_F(Chat, ReceivedChatterSoundsPlayOrBecomeLines) {
    sounds.playSounds = false;
    sounds.chatterSounds = true;
    panel.playasound(2, "wave13");
    EXPECT_EQ(sink.played, QStringList{"WAVE13"});
    sounds.chatterSounds = false;
    panel.playasound(2, "wave13");
    panel.playasound(7, "wave1");
    panel.playasound(2, "wave99");
    panel.playasound(2, "queen");
    EXPECT_EQ(statusLines, QStringList{"0+Seat2: <Chatter Sound> Applause"});
    EXPECT_EQ(sink.played.size(), 1);
}

TEST(Sounds, GameCuesFollowPlaySounds) {
    struct Sink : SoundSink {
        void play(const QString& name) override { played.append(name); }
        QStringList played;
    } sink;
    Sounds sounds(sink);
    sounds.playsounds(QStringLiteral("queen"));
    sounds.playSounds = false;
    sounds.playsounds(QStringLiteral("turn"));
    EXPECT_EQ(sink.played, QStringList{"QUEEN"});
}

TEST(Sounds, EveryRecordingIsInTheProgram) {
    QStringList names = {"CLICK",     "ENTERED", "ERROR",   "PLACECARD",   "QUEEN",
                         "ROUNDOVER", "TURN",    "TURNNEW", "TURNOVERBAD", "TURNOVERGOOD",
                         "WINNER",    "SHUFFLE", "DEAL"};
    for (int n = 1; n <= 20; ++n) {
        names.append(QStringLiteral("WAVE%1").arg(n));
    }
    for (const QString& name : names) {
        EXPECT_FALSE(QtSoundSink::resourceFor(name).isEmpty()) << name.toStdString();
        EXPECT_FALSE(QtSoundSink::resourceFor(name.toLower()).isEmpty()) << name.toStdString();
    }
    EXPECT_TRUE(QtSoundSink::resourceFor(QStringLiteral("wave21")).isEmpty());
    // Playing on a machine without audio output is silent, never an error.
    QtSoundSink real;
    real.play(QStringLiteral("CLICK"));
}
