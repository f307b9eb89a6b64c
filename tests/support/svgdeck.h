// SVG card decks for tests, written as the desktop's deck packages write
// them: cards as coloured boxes, or white cards with their rank printed in
// one corner.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace {

const char* kRanks[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king", "1"};
const char* kSuits[] = {"club", "diamond", "spade", "heart"};

// Where a deck prints its rank: nowhere, in the left corner (as most do), or
// only in the right corner (as KDE's Oxygen decks do).
enum class Index { None, Left, Right };

// An SVG deck whose cards are coloured boxes; `gnome` chooses the naming
// "club_queen" over "queen_club"; a missing card can be left out; the rank
// is printed as a pattern of black blocks in the corner `index` says.
QByteArray svgDeck(bool gnome, const QString& leaveOut = QString(), Index index = Index::None) {
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1400\" height=\"500\">";
    auto box = [&](const QString& id, int x, int y, const char* colour) {
        if (id == leaveOut) {
            return;
        }
        svg += QStringLiteral("<g id=\"%1\"><rect x=\"%2\" y=\"%3\" width=\"100\" height=\"140\" "
                              "fill=\"%4\"/></g>")
                   .arg(id)
                   .arg(x)
                   .arg(y)
                   .arg(QLatin1String(colour))
                   .toUtf8();
    };
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            const QString r = QLatin1String(kRanks[rank]);
            const QString s = QLatin1String(kSuits[suit]);
            const QString id = gnome ? s + "_" + r : r + "_" + s;
            if (index == Index::None) {
                box(id, rank * 105, suit * 120, "#2050c0");
                continue;
            }
            // Each rank a different set of blocks, four bits of rank + 1.
            const int x = rank * 105, y = suit * 120;
            svg += QStringLiteral("<g id=\"%1\"><rect x=\"%2\" y=\"%3\" width=\"100\" "
                                  "height=\"140\" fill=\"#ffffff\" stroke=\"#000000\"/>")
                       .arg(id)
                       .arg(x)
                       .arg(y)
                       .toUtf8();
            const int cornerX = x + (index == Index::Left ? 5 : 80);
            for (int bit = 0; bit < 4; ++bit) {
                if (((rank + 1) >> bit & 1) != 0) {
                    svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"8\" height=\"6\"/>")
                               .arg(cornerX)
                               .arg(y + 5 + bit * 7)
                               .toUtf8();
                }
            }
            svg += "</g>";
        }
    }
    box(QStringLiteral("back"), 0, 0, "#c02020");
    return svg + "</svg>";
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace
