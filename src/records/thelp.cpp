#include "thelp.h"

#include "cardpictures.h"
#include "helppages.h"

#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

Thelp::Thelp(QWidget* parent) : SideWindow(QStringLiteral("Hearts - Help File"), parent) {
    useTableBackground();
    resize(564, 422);

    auto* layout = new QHBoxLayout(this);
    auto* side = new QVBoxLayout;
    using namespace helptopic;
    const std::pair<int, const char*> buttons[] = {
        {kOverview, "Overview"}, {kConnecting, "Connecting"}, {kGamePlay, "Game Play"},
        {kKeys, "Keys"},         {kScoring, "Scoring"},       {kDocumentation, "Documentation"},
        {kLicense, "License"},   {kLobby, "The Lobby"}};
    auto* main = new QVBoxLayout;
    label_caption = new QLabel(QStringLiteral("Overview"), this);
    label_caption->setObjectName(QStringLiteral("label_caption"));
    QFont captionFont = label_caption->font();
    captionFont.setBold(true);
    captionFont.setPixelSize(16);
    label_caption->setFont(captionFont);
    main->addWidget(label_caption);
    m_stack = new QStackedWidget(this);
    for (const auto& [tag, caption] : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        connect(button, &QPushButton::clicked, this, [this, tag = tag] { SelButton1Click(tag); });
        side->addWidget(button);
        auto* memo = new QTextBrowser(m_stack);
        memo->setObjectName(QStringLiteral("memo%1").arg(tag));
        memo->setAccessibleName(QStringLiteral("Help: ") + QString::fromLatin1(caption));
        memo->setFrameShape(QFrame::NoFrame);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QPalette memoPalette = memo->palette();
        memoPalette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xD7));
        memo->setPalette(memoPalette);
        m_stack->addWidget(memo);
        m_pages[tag] = memo;
        m_captions[tag] = QString::fromLatin1(caption);
    }
    side->addSpacing(12);
    auto* about = new QPushButton(QStringLiteral("About"), this);
    connect(about, &QPushButton::clicked, this, &Thelp::aboutRequested);
    side->addWidget(about);
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    connect(done, &QPushButton::clicked, this, &QWidget::hide);
    side->addWidget(done);
    side->addStretch();
    side->addWidget(new QLabel(
        QStringLiteral("Hearts by Orvane\nSoftware\n(c) 2001-%1").arg(QDate::currentDate().year()),
        this));
    layout->addLayout(side);
    main->addWidget(m_stack, 1);
    layout->addLayout(main, 1);
    SelButton1Click(1);
}

QTextBrowser* Thelp::page(int tag) {
    QTextBrowser* memo = m_pages.at(tag);
    if (memo->document()->isEmpty()) {
        memo->setHtml(helpPage(tag));
    }
    return memo;
}

void Thelp::SelButton1Click(int tag) {
    m_stack->setCurrentWidget(page(tag));
    label_caption->setText(m_captions.at(tag));
}

QTextBrowser* Thelp::currentPage() const {
    return static_cast<QTextBrowser*>(m_stack->currentWidget());
}
