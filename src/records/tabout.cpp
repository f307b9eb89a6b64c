#include "tabout.h"

#include "cardpictures.h"

#include <QDate>
#include <QEvent>
#include <QGridLayout>
#include <QPushButton>

Tabout::Tabout(QWidget* parent) : SideWindow(QStringLiteral("Hearts - About"), parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    useTableBackground();
    setFixedSize(304, 174);
    URL1.URL = QStringLiteral("www.orvane.com");
    URL1.URLType = TURL::TURLType::utHttp;

    auto* layout = new QGridLayout(this);
    m_logo = new QLabel(this);
    m_logo->setFixedSize(cardpictures::boardSize(cardpictures::Picture::Logo));
    m_logo->installEventFilter(this);
    m_logo->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_logo, 0, 0, 4, 1);
    layout->addWidget(new QLabel(QStringLiteral("<b>Hearts</b> by Orvane Software"), this), 0, 1, 1,
                      2);
    auto* versionLine = new QLabel(QStringLiteral("Version"), this);
    layout->addWidget(versionLine, 1, 1);
    version = new QLabel(QString::fromLatin1(kVersion), this);
    version->setObjectName(QStringLiteral("version"));
    auto* build = new QLabel(QStringLiteral(".5"), this);
    for (QLabel* red : {version, build}) {
        red->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    }
    auto* versionBox = new QHBoxLayout;
    versionBox->setSpacing(0);
    versionBox->addWidget(version);
    versionBox->addWidget(build);
    versionBox->addStretch();
    layout->addLayout(versionBox, 1, 2);
    auto* year = new QLabel(QStringLiteral("(c) 2001-%1").arg(QDate::currentDate().year()), this);
    year->setObjectName(QStringLiteral("label_year"));
    layout->addWidget(year, 2, 1, 1, 2);
    Label7 = new QLabel(QStringLiteral("<a href=\"x\">%1</a>").arg(URL1.URL), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setCursor(Qt::PointingHandCursor);
    connect(Label7, &QLabel::linkActivated, this, [this] { Label7Click(); });
    layout->addWidget(Label7, 3, 1, 1, 2);
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    connect(done, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(done, 4, 2);
}

void Tabout::firstShow() {
    m_logo->setPixmap(cardpictures::board(cardpictures::Picture::Logo, devicePixelRatioF()));
}

bool Tabout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_logo && event->type() == QEvent::MouseButtonPress) {
        hide();
        return true;
    }
    return SideWindow::eventFilter(watched, event);
}
