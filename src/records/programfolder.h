#pragma once

#include <QString>

// The folder for the program's own files (settings, tally, downloads): the
// program's directory, or the per-user configuration folder when that is
// not writable (an installed program). HEARTS_CONFIG_DIR overrides both.
QString programFolder();
