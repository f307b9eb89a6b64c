#pragma once

#include <QToolButton>
#include <QWidget>

class Board;

// The main window's client area: the light yellow tile over the whole of
// it, the chat in a column at the right that folds away to a tab, and the
// table taking everything else: scaled to fill the height (or the width,
// when that is what runs out) and given the width that is left.
class TableArea : public QWidget {
    Q_OBJECT
public:
    // The smallest client area: the table at its own size beside a narrow chat.
    static constexpr int kClientWidth = 767;
    static constexpr int kClientHeight = 478;
    // The chat column takes this share of the width, within these bounds.
    static constexpr qreal kChatShare = 0.21;
    static constexpr int kChatMinWidth = 280;
    static constexpr int kChatMaxWidth = 420;

    explicit TableArea(QWidget* parent = nullptr);
    void setParts(Board* board, QWidget* chat);
    qreal scale() const { return m_scale; }

    // The chat column shown, or folded to its tab.
    void setChatShown(bool shown);
    bool chatShown() const { return m_chatShown; }
    // A chat line came: counted on the tab while the chat is folded.
    void chatLineArrived();
    int unreadLines() const { return m_unread; }
    QToolButton* chatTab() const { return m_tab; }

signals:
    void firstPainted();
    // The tab was clicked: show the chat.
    void chatTabClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutParts();
    void showUnread();

    Board* m_board = nullptr;
    QWidget* m_chat = nullptr;
    QToolButton* m_tab = nullptr;
    qreal m_scale = 1.0;
    bool m_chatShown = true;
    int m_unread = 0;
    bool m_painted = false;
};
