#pragma once

#include <QString>

// The marker of a portable copy: a file of this name beside the program
// keeps the program's files in the program's folder. The build folder has
// one; an installed program has none.
constexpr const char* kPortableMarker = "hearts-portable";

// The folder for the program's own files (settings, tally, downloads):
// HEARTS_CONFIG_DIR when set; the program's folder in a portable copy whose
// folder is writable; otherwise the per-user configuration folder
// (~/.config/Hearts), so that an installed program never writes beside its
// binary, even when run by root.
QString programFolder();

// The rule itself, over given folders: `chosen` (may be empty), the
// program's folder and the per-user folder. Creates the folder it answers.
QString programFolderFor(const QString& chosen, const QString& programDir, const QString& perUser);
