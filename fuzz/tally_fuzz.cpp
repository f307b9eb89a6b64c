// The tally file's coder: a block decoder given any body, blocks coded and
// decoded back, a whole container decoded, and the tally's text form.
// Promises: a decoded block never exceeds a block, and coding then decoding
// gives back what was coded.
#include "fuzzing.h"
#include "lzrw1block.h"
#include "qtapplication.h"
#include "tallytable.h"
#include "tlzrw1.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {
std::unique_ptr<QTemporaryDir> g_dir;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    (void)argc;
    (void)argv;
    startApplication<QCoreApplication>();
    g_dir = std::make_unique<QTemporaryDir>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte chooses how much of the input is a block body.
    const std::size_t cut = size == 0 ? 0 : 1 + (static_cast<std::size_t>(data[0]) * size) / 256;
    std::string out;
    if (lzrw1::decompressBlock(input.substr(0, std::min(cut, size)), out)) {
        require(out.size() <= lzrw1::kBlockSize);
    }
    const std::string piece(input.substr(0, std::min(size, lzrw1::kBlockSize)));
    std::string back;
    require(lzrw1::decompressBlock(lzrw1::compressBlock(piece), back));
    require(back == piece);

    // The whole input as a tally file.
    const QString packed = g_dir->filePath(QStringLiteral("in.tld"));
    const QString plain = g_dir->filePath(QStringLiteral("out.txt"));
    {
        QFile file(packed);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    Tlzrw1 coder;
    coder.InputFile = packed;
    coder.OutputFile = plain;
    try {
        coder.Decompress();
    } catch (const ELzrw1Exception&) {
    }
    TallyTable table;
    table.fromText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
