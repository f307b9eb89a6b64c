#include "cardnames.h"

#include "spoken.h"

namespace cardnames {

QString cardName(int card) {
    return QString::fromStdString(spoken::card(card));
}

} // namespace cardnames
