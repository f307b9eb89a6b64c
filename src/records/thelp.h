#pragma once

#include "sidewindow.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTextBrowser>

#include <map>

// The help window: eight pages, one per button on its side panel (their
// tags in helppages.h).
class Thelp : public SideWindow {
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent = nullptr);

    // Shows page n (a helptopic tag) with the button's caption above it.
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
