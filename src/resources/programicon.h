#pragma once

#include <QIcon>

// The program's icon: a red heart on a card, drawn at every size asked for.
QIcon programIcon();
