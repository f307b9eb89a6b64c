#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

// Raised with one of the compressor's fixed failure texts.
class ELzrw1Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Turns one whole file into another: Compress writes the "WRZL" container
// (identifier, 4-byte uncompressed size, then blocks of a 2-byte length and
// a body, all little-endian), Decompress restores the original. The output
// is written to a temporary file beside it and moved into place at the end,
// so a failure never leaves partial output.
class Tlzrw1 {
public:
    enum class TCompressMode { Good, Fast, Auto };

    QString InputFile;
    QString OutputFile;
    TCompressMode CompressMode = TCompressMode::Fast;
    // Runs between blocks, so that a GUI can handle its events.
    std::function<void()> betweenBlocks;

    // Answers the number of bytes written.
    qint64 Compress();
    qint64 Decompress();
};
