#include "cardnames.h"

#include <array>

namespace cardnames {

QString cardName(int card) {
    if (card < 1 || card > 52) {
        return QString();
    }
    static const std::array<const char*, 13> kRanks = {
        "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King", "Ace"};
    static const std::array<const char*, 4> kSuits = {"clubs", "diamonds", "spades", "hearts"};
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(kRanks[static_cast<std::size_t>((card - 1) % 13)]),
             QLatin1String(kSuits[static_cast<std::size_t>((card - 1) / 13)]));
}

} // namespace cardnames
