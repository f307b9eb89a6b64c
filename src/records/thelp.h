#pragma once

#include "sidewindow.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTextBrowser>

#include <map>

// The help window: seven pages, one per button on its side panel.
class Thelp : public SideWindow {
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent = nullptr);

    // Shows page n (1..6 or 11) with the button's caption above it.
    void SelButton1Click(int tag);
    QLabel* label_caption = nullptr;
    // A page, its text set when first asked for.
    QTextBrowser* page(int tag);
    QTextBrowser* currentPage() const;

signals:
    void aboutRequested();

private:
    QStackedWidget* m_stack = nullptr;
    std::map<int, QTextBrowser*> m_pages;
    std::map<int, QString> m_captions;
};
