#pragma once

#include <QString>

// The text of help page n (1..6, 11) as HTML.
QString helpPage(int tag);
