#include "boardaccessible.h"

#include "board.h"

#include <QAccessibleWidget>

namespace {

class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(Board* board) : QAccessibleWidget(board, QAccessible::Pane) {}

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> children = shown();
        return index >= 0 && index < static_cast<int>(children.size())
                   ? QAccessible::queryAccessibleInterface(
                         children[static_cast<std::size_t>(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> children = shown();
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (child != nullptr && child->object() == children[i]) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

private:
    std::vector<QWidget*> shown() const {
        std::vector<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && !child->isWindow() && !child->isHidden()) {
                children.push_back(child);
            }
        }
        return children;
    }
};

} // namespace

QAccessibleInterface* boardAccessibleFactory(const QString& /*className*/, QObject* object) {
    if (auto* board = qobject_cast<Board*>(object)) {
        return new BoardAccessible(board);
    }
    return nullptr;
}
