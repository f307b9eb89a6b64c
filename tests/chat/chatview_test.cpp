#include "chatview.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// The pieces of the last paragraph: text runs with their style, and smilies
// as "[smiley:N]".
std::vector<std::pair<QString, int>> lastParagraph(const ChatView& view) {
    std::vector<std::pair<QString, int>> pieces;
    const QTextBlock block = view.document()->lastBlock();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            pieces.emplace_back(QStringLiteral("[%1]").arg(format.toImageFormat().name()), -1);
        } else {
            pieces.emplace_back(fragment.text(),
                                format.property(QTextFormat::UserProperty + 1).toInt());
        }
    }
    return pieces;
}

QString joined(const std::vector<std::pair<QString, int>>& pieces) {
    QString text;
    for (const auto& piece : pieces) {
        text += piece.first;
    }
    return text;
}

} // namespace

TEST(ChatView, LinesPrefixesStylesAndColours) {
    struct Case {
        const char* line;
        colortext::ColorValue colour;
        QString shown;
        int style;
    };
    const Case cases[] = {
        {"2+Ann chats: hello there", colortext::kBlack, "Ann chats: hello there ", 7},
        {"0+You are Connected.", colortext::kBlue, " You are Connected. ", 0},
        {"9+Zed waves", 0x008000, " Zed waves ", 14},
        {"3+Cy chats: a: b", 0x0000FF, "Cy chats: a: b ", 8},
        {"x+odd code", 0x0000FF, " odd code ", 0},
    };
    for (const Case& c : cases) {
        ChatView view;
        view.addlinetochat(QString::fromLatin1(c.line), c.colour);
        const auto pieces = lastParagraph(view);
        EXPECT_EQ(joined(pieces).toStdString(), c.shown.toStdString()) << c.line;
        EXPECT_EQ(pieces.front().second, c.style) << c.line;
        EXPECT_EQ(view.styleColour(c.style), colortext::toColor(c.colour)) << c.line;
    }
}

TEST(ChatView, TheBoldPrefixStartsTheParagraph) {
    ChatView view;
    view.addlinetochat(QStringLiteral("2+Ann chats: hi"), colortext::kBlack);
    view.addlinetochat(QStringLiteral("0+Game Over!"), colortext::kBlue);
    EXPECT_EQ(view.document()->blockCount(), 2);
    EXPECT_EQ(view.document()->firstBlock().text(), QStringLiteral("Ann chats: hi "));
    for (int position : {1, 12}) {
        QTextCursor cursor(view.document());
        cursor.setPosition(position);
        EXPECT_TRUE(cursor.charFormat().font().bold());
    }
}

TEST(ChatView, ANewColourRecoloursTheSendersEarlierLines) {
    ChatView view;
    view.addlinetochat(QStringLiteral("2+Ann chats: first"), colortext::kBlack);
    view.addlinetochat(QStringLiteral("3+Bob chats: other"), 0x008000);
    view.addlinetochat(QStringLiteral("2+Ann chats: second"), colortext::kRed);
    // The first line, Ann's, is red now; Bob's stays green.
    EXPECT_EQ(view.colourAt(2), QColor(255, 0, 0));
    const int bobLine = static_cast<int>(view.toPlainText().indexOf(QLatin1String("Bob")));
    EXPECT_EQ(view.colourAt(bobLine), QColor(0, 0x80, 0));
}

namespace {

// The links of the view, in order: what a click on each would ask for.
std::vector<QUrl> anchors(const ChatView& view) {
    std::vector<QUrl> links;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor()) {
                links.emplace_back(format.anchorHref());
            }
        }
    }
    return links;
}

} // namespace

TEST(ChatView, LinksInAnyCaseOpenTheirOwnWord) {
    ChatView view;
    QStringList opened;
    QStringList messages;
    view.openUrl = [&](const QString& url) { opened.append(url); };
    view.message = [&](const QString& text) { messages.append(text); };
    view.addlinetochat(QStringLiteral("2+Ann chats: see WWW.Example.com or HTTP://x.org now"),
                       colortext::kBlack);
    const auto pieces = lastParagraph(view);
    int links = 0;
    for (const auto& piece : pieces) {
        links += piece.second == ChatView::kLinkStyle ? 1 : 0;
    }
    EXPECT_EQ(links, 2);
    EXPECT_EQ(view.linkCounter(), 1);
    EXPECT_EQ(view.linkTable()[0], QStringLiteral("WWW.Example.com "));
    ASSERT_EQ(anchors(view).size(), 2u);
    emit view.anchorClicked(anchors(view)[1]);
    EXPECT_EQ(opened, QStringList{"http://x.org"});

    // Past the table's 101 entries, a click still opens the word that was
    // clicked.
    for (int i = 0; i < 150; ++i) {
        view.addlinetochat(QStringLiteral("2+Ann chats: www.site%1.com").arg(i), colortext::kBlack);
    }
    EXPECT_EQ(view.linkCounter(), (2 + 150 - 1 - 1) % 100 + 1);
    emit view.anchorClicked(anchors(view)[2 + 38]);
    EXPECT_EQ(opened.back(), QStringLiteral("http://www.site38.com"));
}

TEST(ChatView, OnlyWebPagesOpen) {
    ChatView view;
    QStringList opened;
    QStringList messages;
    view.openUrl = [&](const QString& url) { opened.append(url); };
    view.message = [&](const QString& text) { messages.append(text); };
    struct Case {
        const char* word;
        const char* opens; // nullptr: no link, or one that opens nothing
    };
    const Case cases[] = {
        {"https://example.org/a?b=1", "https://example.org/a?b=1"},
        {"www.example.org", "http://www.example.org"},
        {"file:///etc/passwd", nullptr},
        {"javascript:alert(1)//http://x", nullptr},
        {"mailto:a@b.c", nullptr},
        {"http://", nullptr},
        {"smb://www.example.org", nullptr},
    };
    for (const Case& c : cases) {
        view.clearMainChat();
        opened.clear();
        messages.clear();
        view.addlinetochat(QStringLiteral("2+Ann chats: ") + QLatin1String(c.word),
                           colortext::kBlack);
        for (const QUrl& link : anchors(view)) {
            emit view.anchorClicked(link);
        }
        // A link made up by hand opens nothing either.
        emit view.anchorClicked(QUrl(QStringLiteral("link:file%3A%2F%2F%2Fetc%2Fpasswd")));
        EXPECT_EQ(opened, c.opens != nullptr ? QStringList{QLatin1String(c.opens)} : QStringList{})
            << c.word;
        EXPECT_FALSE(messages.isEmpty()) << c.word;
    }
}

TEST(ChatView, SmiliesWithGoodAndBadNumbers) {
    struct Case {
        const char* body;
        QString shown;
    };
    const Case cases[] = {
        {"hi :)#27 there", "hi  [smiley:17] there "},
        {":)#10", " [smiley:0]"},
        {"a:)#28b", "a [smiley:0]b "},
        {"x :)#09", "x  [smiley:0]"},
        {"x :)#ab!", "x  [smiley:0]! "},
        {"end :)#", "end  [smiley:0]"},
        {"two :)#12:)#13", "two  [smiley:2] [smiley:3]"},
    };
    for (const Case& c : cases) {
        ChatView view;
        view.addlinetochat(QStringLiteral("4+Di chats: ") + QString::fromLatin1(c.body),
                           colortext::kBlack);
        EXPECT_EQ(joined(lastParagraph(view)).toStdString(), "Di chats: " + c.shown.toStdString())
            << c.body;
    }
}

TEST(ChatView, ScrollChatOffKeepsTheViewStill) {
    ChatView view;
    view.resize(200, 100);
    view.show();
    for (int i = 0; i < 40; ++i) {
        view.addlinetochat(QStringLiteral("0+line %1").arg(i), colortext::kBlue);
    }
    QScrollBar* bar = view.verticalScrollBar();
    EXPECT_EQ(bar->value(), bar->maximum());
    view.setScrollOff(true);
    bar->setValue(0);
    view.addlinetochat(QStringLiteral("0+one more"), colortext::kBlue);
    EXPECT_EQ(bar->value(), 0);
}

TEST(ChatView, TextSizeAndCopyAsPlainText) {
    ChatView view;
    view.addlinetochat(QStringLiteral("2+Ann chats: hello"), colortext::kBlack);
    view.setTextSize(14);
    QTextCursor cursor(view.document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 14);
    view.addlinetochat(QStringLiteral("2+Ann chats: more"), colortext::kBlack);
    cursor.movePosition(QTextCursor::End);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 14);
    view.selectAll();
    view.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), view.toPlainText());
}
