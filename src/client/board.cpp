#include "board.h"

#include "cardpictures.h"

#include <QContextMenuEvent>
#include <QPainter>

using cardpictures::Picture;

namespace {

struct SeatPlaces {
    std::array<QPoint, 5> at; // [1..4]: bottom, left, top, right
};

// The positions of each per-seat element at the four display positions.
const SeatPlaces kPlayerName{{{{}, {72, 308}, {28, 132}, {153, 2}, {376, 75}}}};
const SeatPlaces kTrickLabel{{{{}, {97, 334}, {36, 154}, {160, 29}, {383, 98}}}};
const SeatPlaces kTricks{{{{}, {139, 334}, {78, 154}, {202, 29}, {425, 98}}}};
const SeatPlaces kScoreLabel{{{{}, {97, 350}, {36, 170}, {160, 45}, {383, 114}}}};
const SeatPlaces kScore{{{{}, {139, 350}, {78, 170}, {202, 45}, {425, 114}}}};
const SeatPlaces kPoints{{{{}, {170, 328}, {31, 188}, {226, 16}, {368, 132}}}};
const SeatPlaces kTaken{{{{}, {192, 340}, {42, 206}, {249, 28}, {380, 150}}}};
const SeatPlaces kCards{{{{}, {168, 333}, {37, 189}, {227, 29}, {385, 133}}}};
const SeatPlaces kPlayed{{{{}, {219, 187}, {179, 171}, {200, 146}, {243, 163}}}};
const SeatPlaces kWinner{{{{}, {160, 333}, {29, 189}, {227, 15}, {384, 133}}}};
const SeatPlaces kMoon{{{{}, {160, 336}, {32, 192}, {224, 16}, {384, 136}}}};
const SeatPlaces kTrickWinner{{{{}, {122, 369}, {109, 197}, {182, 61}, {352, 133}}}};
const SeatPlaces kEyes{{{{}, {47, 308}, {4, 132}, {129, 2}, {351, 75}}}};

// The per-seat pictures that start hidden, in the order they are stacked.
struct HiddenPicture {
    QLabel* Board::SeatWidgets::*member;
    const SeatPlaces* places;
    Picture picture;
    const char* name;
};
const HiddenPicture kHiddenPictures[] = {
    {&Board::SeatWidgets::image_points, &kPoints, Picture::Bubble, "image_points"},
    {&Board::SeatWidgets::image_winner, &kWinner, Picture::Winner, "image_winner"},
    {&Board::SeatWidgets::image_moon, &kMoon, Picture::Moon, "image_moon"},
    {&Board::SeatWidgets::image_trickwinner, &kTrickWinner, Picture::TrickStack,
     "image_trickwinner"},
    {&Board::SeatWidgets::image_eyes, &kEyes, Picture::Eyes, "image_eyes"},
    {&Board::SeatWidgets::image_turn, &kEyes, Picture::TurnArrow, "image_turn"},
};

const QColor kNameColour(0x2D, 0x9E, 0x9A);
const QColor kCountColour(0x00, 0xA4, 0xA4);
const QColor kTableTextColour(0x6C, 0x6C, 0x00);

QFont arial(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), m_picture(picture) {
    setCursor(Qt::PointingHandCursor);
    resize(sizeHint());
}

QSize PictureButton::sizeHint() const {
    return m_picture.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    if (isDown()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 50));
        painter.drawRoundedRect(rect(), 8, 8);
    }
}

void NameLabel::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(event->globalPos());
}

Board::Board(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("board"));
    resize(kWidth, kHeight);
    const qreal ratio = devicePixelRatioF();
    for (int p = 1; p <= 4; ++p) {
        SeatWidgets& s = seat[static_cast<std::size_t>(p)];
        const QString n = QString::number(p);
        // Lower elements first: what is made later lies on top.
        s.image_cards = picture(kCards.at[p], cardpictures::card(cardpictures::kBack, ratio),
                                QStringLiteral("image_cards") + n);
        s.image_cards->hide();
        for (const HiddenPicture& hidden : kHiddenPictures) {
            s.*hidden.member =
                picture(hidden.places->at[p], cardpictures::board(hidden.picture, ratio),
                        QLatin1String(hidden.name) + n);
            (s.*hidden.member)->hide();
        }
        s.image_played = picture(kPlayed.at[p], QPixmap(), QStringLiteral("image_played") + n);
        s.image_played->resize(cardpictures::kCardWidth, cardpictures::kCardHeight);

        auto* name = new NameLabel(this);
        name->setObjectName(QStringLiteral("label_playername") + n);
        name->setGeometry(QRect(kPlayerName.at[p], QSize(90, 22)));
        name->setFont(arial(19));
        name->setStyleSheet(QStringLiteral("color: %1").arg(kNameColour.name()));
        name->setText(QStringLiteral("<Waiting>"));
        s.label_playername = name;
        s.label_tricklabel = text(kTrickLabel.at[p], {41, 16}, QStringLiteral("Tricks:"), 13,
                                  kCountColour, QStringLiteral("label_tricklabel") + n);
        s.label_tricks = text(kTricks.at[p], {}, QStringLiteral("0"), 13, kCountColour,
                              QStringLiteral("label_tricks") + n);
        s.label_scorelabel = text(kScoreLabel.at[p], {41, 16}, QStringLiteral("Score:"), 13,
                                  kCountColour, QStringLiteral("label_scorelabel") + n);
        s.label_score = text(kScore.at[p], {}, QStringLiteral("0"), 13, kCountColour,
                             QStringLiteral("label_score") + n);
        s.label_taken = text(kTaken.at[p], {57, 34}, QString(), 29, QColor(0xFF, 0xFF, 0xC0),
                             QStringLiteral("label_taken") + n);
        s.label_taken->setAlignment(Qt::AlignCenter);
        s.label_taken->hide();
    }
    label_status =
        text({33, 449}, {440, 18}, QStringLiteral("Welcome to Hearts by Orvane Software"), 16,
             kNameColour, QStringLiteral("label_status"));
    label_status->setAlignment(Qt::AlignCenter);
    label_roundnum = text({360, 28}, {}, QStringLiteral("Round: 0"), 16, kTableTextColour,
                          QStringLiteral("label_roundnum"));
    label_playtoscore = text({480, 12}, {}, QStringLiteral("Play To Score: 100"), 16,
                             kTableTextColour, QStringLiteral("label_playtoscore"));
    Label_safe = text({645, 12}, {}, QStringLiteral("Safe 1st Trick"), 13, kTableTextColour,
                      QStringLiteral("Label_safe"));
    Label_safe->hide();

    const std::array<std::pair<QPoint, Picture>, 4> arrows = {{{{}, Picture::ArrowLeft},
                                                               {{144, 191}, Picture::ArrowLeft},
                                                               {{256, 191}, Picture::ArrowRight},
                                                               {{216, 135}, Picture::ArrowUp}}};
    for (int d = 1; d <= 3; ++d) {
        image_arrow[static_cast<std::size_t>(d)] =
            picture(arrows[static_cast<std::size_t>(d)].first,
                    cardpictures::board(arrows[static_cast<std::size_t>(d)].second, ratio),
                    QStringLiteral("image_arrow") + QString::number(d));
        image_arrow[static_cast<std::size_t>(d)]->hide();
    }
    Image5 = picture({24, 24}, cardpictures::board(Picture::Logo, ratio), QStringLiteral("Image5"));

    button_start = new PictureButton(cardpictures::board(Picture::StartButton, ratio), this);
    button_start->setObjectName(QStringLiteral("button_start"));
    button_start->move(344, 272);
    button_start->hide();
    button_pass = new PictureButton(cardpictures::board(Picture::PassButton, ratio), this);
    button_pass->setObjectName(QStringLiteral("button_pass"));
    button_pass->move(192, 248);
    button_pass->hide();
}

QLabel* Board::picture(QPoint at, const QPixmap& pixmap, const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->move(at);
    label->resize(pixmap.isNull() ? QSize(1, 1) : pixmap.deviceIndependentSize().toSize());
    return label;
}

QLabel* Board::text(QPoint at, QSize size, const QString& value, int pixelSize,
                    const QColor& colour, const QString& name) {
    auto* label = new QLabel(value, this);
    label->setObjectName(name);
    label->setFont(arial(pixelSize));
    label->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
    label->move(at);
    if (size.isEmpty()) {
        label->adjustSize();
    } else {
        label->resize(size);
    }
    return label;
}

void Board::setAutoText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void Board::showCard(QLabel* place, int card) {
    if (card == 0) {
        place->clear();
        place->setProperty("card", 0);
        return;
    }
    place->setPixmap(cardpictures::card(card, devicePixelRatioF()));
    place->setProperty("card", card);
}

TiledBackground::TiledBackground(QWidget* parent) : QWidget(parent) {}

void TiledBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), cardpictures::board(Picture::Tile, devicePixelRatioF()));
}
