#pragma once

#include "colortext.h"

#include <QTextBrowser>

#include <array>
#include <functional>

// The chat view: lines of text in 15 numbered styles that share one size,
// a bold prefix starting each line's paragraph, words that look like web
// addresses as links, and smiley codes as small pictures. A style's colour
// belongs to the style, so a sender's new colour recolours his earlier lines.
class ChatView : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr int kStyles = 15;
    static constexpr int kStatusStyle = 0;
    static constexpr int kLinkStyle = 4;
    static constexpr int kLinkTableSize = 101;

    explicit ChatView(QWidget* parent = nullptr);

    // Appends "<code>+<body>" in a colour.
    void addlinetochat(const QString& line, colortext::ColorValue colour);
    // Removes every line; the link table stays.
    void clearMainChat();
    void setTextSize(int points);
    int textSize() const { return m_pointSize; }
    void setScrollOff(bool off) { m_scrollOff = off; }
    bool scrollOff() const { return m_scrollOff; }

    // The style of a line code: status lines 0, connections 1..9 take 6..14.
    static int styleFor(int lineCode);
    QColor styleColour(int style) const { return m_styles[static_cast<std::size_t>(style)].colour; }
    // The colour a piece of text is drawn in, by its position in the plain text.
    QColor colourAt(int position) const;

    const std::array<QString, kLinkTableSize>& linkTable() const { return m_linkTable; }
    int linkCounter() const { return m_linkCounter; }

    // Opens a link's word in the browser; an empty word shows a message.
    std::function<void(const QString& url)> openUrl;
    std::function<void(const QString& text)> message;

    QVariant loadResource(int type, const QUrl& name) override;
    // A word shown as a link: it begins http://, https:// or www.
    static bool isLinkWord(const QString& word);
    // The web page a link word opens; empty for anything else.
    static QUrl webAddress(const QString& word);

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    struct Style {
        QColor colour;
        bool bold = false;
        bool italic = false;
        bool underline = false;
    };
    QTextCharFormat formatFor(int style) const;
    void recolourStyle(int style);
    void addWords(QTextCursor& cursor, QString text, int style);
    void addSmiley(QTextCursor& cursor, int number);
    void openLink(const QUrl& url);

    std::array<Style, kStyles> m_styles;
    int m_pointSize = 10;
    bool m_scrollOff = false;
    std::array<QString, kLinkTableSize> m_linkTable;
    int m_linkCounter = -1;
    // Every link word ever added, so that a click opens its own word.
};
