#pragma once

#include "protocol.h"

#include "chatview.h"
#include "colortext.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

class PictureButton;
class Sounds;

// The chat input line: it shows "<Enter Chat Here>" until the first key,
// and Enter sends.
class ChatInput : public QLineEdit {
    Q_OBJECT
public:
    static constexpr const char* kPrompt = "<Enter Chat Here>";
    explicit ChatInput(QWidget* parent = nullptr);
    // "Paste": the clipboard's text goes to the end of the line.
    void pasteAtEnd();
    // Appends a text, first clearing the prompt.
    void appendText(const QString& text);
signals:
    void enterPressed();
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

// The chat room beside the table: phrase buttons, the chat view, the input
// line with its smilies, and the chatter sounds.
class ChatPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPhrases = 9;
    // The two seconds a phrase button waits before it sends again.
    static constexpr int kPhraseGuardMs = 2000;

    explicit ChatPanel(Sounds& sounds, QWidget* parent = nullptr);

    void sendit();
    // A chat or action line from the host: its line code (0 for a status
    // line) and its body, the text and "|" and the colour.
    void chatrecieved(int code, const std::string& body);
    // A chatter sound a seat sent.
    void playasound(int seat, const std::string& sound);
    void b_phrase1Click(int number);
    void wave12Click(int tag);

    void setChatColour(colortext::ColorValue colour);
    colortext::ColorValue chatColour() const { return m_chatColour; }
    QString phrase(int number) const { return m_phrases[static_cast<std::size_t>(number)]; }
    void setPhrase(int number, const QString& text);
    static QString builtInPhrase(int number);
    static QString soundCaption(int tag);
    bool phraseGuardOpen() const;
    // The smilies menu, filled when first asked for.
    QMenu* smilies();

    // The name shown for a seat, or empty when there is no such seat.
    std::function<QString(int seat)> seatName = [](int) { return QString(); };
    // The connection to the host: a message out, my number, whether logged in.
    std::function<void(const std::string& line)> send = [](const std::string&) {};
    std::function<int()> mySeat = [] { return 0; };
    std::function<bool()> connected = [] { return false; };
    std::function<void(const QString& line)> statusLine = [](const QString&) {};

    ChatView* mainchat = nullptr;
    ChatInput* mychat = nullptr;
    QToolButton* button_smilies = nullptr;
    std::array<PictureButton*, 11> b_phrase{}; // [1..10]
    QMenu popup_smilies;
    QMenu popup_sounds;
    QMenu popup_view;
    QAction* SelectAll1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* ClearMainChat1 = nullptr;
    QAction* ScrollChatOff1 = nullptr;

signals:
    void scrollChatOffToggled(bool on);
    // Esc in the chat line: the keyboard goes back to the table.
    void leaveRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutParts();
    void sendTextWithColour(protocol::Command command, const QString& text);

    Sounds& m_sounds;
    colortext::ColorValue m_chatColour = colortext::kBlack;
    std::array<QString, kPhrases + 1> m_phrases;
    QElapsedTimer m_phraseGuard;
};
