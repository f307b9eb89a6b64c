#include "lzrw1block.h"
#include "tlzrw1.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

class Lzrw1 : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray pack(const QByteArray& bytes) {
        write("in", bytes);
        Tlzrw1 doit;
        doit.InputFile = path("in");
        doit.OutputFile = path("packed");
        const qint64 written = doit.Compress();
        const QByteArray packed = read("packed");
        EXPECT_EQ(written, packed.size());
        return packed;
    }
    QByteArray unpack(const QByteArray& container) {
        write("packed", container);
        Tlzrw1 doit;
        doit.InputFile = path("packed");
        doit.OutputFile = path("out");
        const qint64 written = doit.Decompress();
        const QByteArray out = read("out");
        EXPECT_EQ(written, out.size());
        return out;
    }
    // Runs an operation that must fail with this text and leave no output.
    void expectFailure(bool compress, const QString& input, const QString& output,
                       const QString& text) {
        Tlzrw1 doit;
        doit.InputFile = input;
        doit.OutputFile = output;
        try {
            compress ? doit.Compress() : doit.Decompress();
            ADD_FAILURE() << "no error for " << text.toStdString();
        } catch (const ELzrw1Exception& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), text);
        }
        EXPECT_FALSE(QFile::exists(output)) << text.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("out")).size(), 0)
            << "a temporary file was left";
    }

    QTemporaryDir dir;
};

QByteArray randomBytes(int size, quint32 seed) {
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(generator.bounded(256));
    }
    return bytes;
}

QByteArray text(int size) {
    const QByteArray line = "The quick brown fox jumps over the lazy dog; Hearts 1.0.9 tally.\r\n";
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i) {
        bytes += QByteArray::number(i) + ": " + line;
    }
    return bytes.left(size);
}

} // namespace

TEST_F(Lzrw1, KnownContainers) {
    struct Case {
        const char* what;
        QByteArray input;
        QByteArray container;
    };
    const Case cases[] = {
        {"empty", QByteArray(), hex("57525A4C00000000010080")},
        {"a run of 20", QByteArray(20, 'a'), hex("57525A4C14000000070040800000000461")},
        {"abc three times", "abcabcabc",
         hex("57525A4C09000000080040100061626300"
             "33")},
        {"coded as long as the piece stays coded", "abcdeabcde",
         hex("57525A4C0A0000000A00400400616263646500"
             "52")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pack(c.input).toHex().toStdString(), c.container.toHex().toStdString()) << c.what;
        EXPECT_EQ(unpack(c.container), c.input) << c.what;
    }
}

TEST_F(Lzrw1, BlocksStoredPiecesAndLongRuns) {
    // 32768 bytes: a full block and an empty one.
    const QByteArray full = text(32768);
    const QByteArray packed = pack(full);
    const quint16 first = static_cast<quint8>(packed[8]) | static_cast<quint8>(packed[9]) << 8;
    EXPECT_EQ(packed.mid(10 + first).toHex(), QByteArray("010080"));
    EXPECT_EQ(unpack(packed), full);

    // Random bytes do not shrink: stored with its flag.
    const QByteArray noise = randomBytes(1000, 7);
    const QByteArray stored = pack(noise);
    EXPECT_EQ(stored.mid(8, 3).toHex(), QByteArray("e90380"));
    EXPECT_EQ(stored.mid(11), noise);

    // A run longer than 4095 is several run items.
    const std::string body = lzrw1::compressBlock(std::string(10000, 'z'));
    EXPECT_EQ(QByteArray::fromStdString(body).toHex(),
              QByteArray("40e000000fef7a000fef7a0007027a"));
}

TEST_F(Lzrw1, RoundTripsAcrossBlockBoundaries) {
    for (int size : {1, 2, 3, 17, 32767, 32768, 32769, 65541, 200000}) {
        for (const QByteArray& input : {text(size), randomBytes(size, static_cast<quint32>(size)),
                                        text(size / 2) + randomBytes(size - size / 2, 3)}) {
            ASSERT_EQ(unpack(pack(input)), input) << size;
        }
    }
}

TEST_F(Lzrw1, FailuresLeaveNoOutput) {
    const QString missing = path("missing");
    expectFailure(true, missing, path("out"),
                  QStringLiteral("Lzrw1 compression : Failed to obtain the size of : ") + missing);
    expectFailure(false, missing, path("out"),
                  QStringLiteral("Lzrw1 (de)compression : Failed to open input file : ") + missing);
    write("plain", "just some text");
    const QString nowhere = path("no/such/folder/out");
    expectFailure(true, path("plain"), nowhere,
                  QStringLiteral("Lzrw1 (de)compression : Failed to open output file : ") +
                      nowhere);
    expectFailure(false, path("plain"), path("out"),
                  path("plain") +
                      QStringLiteral(" : Lzrw1 decompression : this file has no valid header !"));
    write("lzh", "!HZL\x05\0\0\0");
    expectFailure(false, path("lzh"), path("out"),
                  path("lzh") +
                      QStringLiteral(" : Lzrw1 decompression : this file uses the LZH coding,"
                                     " which is not supported !"));
    const QByteArray good = pack(text(70000));
    write("truncated", good.left(good.size() - 10));
    expectFailure(false, path("truncated"), path("out"),
                  QStringLiteral("Lzrw1 : Error reading from input file : ") + path("truncated"));
    write("short", hex("57525A4C"));
    expectFailure(false, path("short"), path("out"),
                  QStringLiteral("Lzrw1 : Error reading from input file : ") + path("short"));
    const QString mismatch = QStringLiteral(
        "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
    // A size that does not match what the blocks hold.
    write("size", hex("57525A4C0900000007004080000000"
                      "0461"));
    expectFailure(false, path("size"), path("out"), mismatch);
    // A copy from before the start of the block.
    write("distance", hex("57525A4C0300000005004080000100"));
    expectFailure(false, path("distance"), path("out"), mismatch);
}

TEST(Lzrw1Block, ADamagedBodyNeverWritesBeyondItsBlock) {
    // Ten runs of 4095 claim 40950 bytes.
    std::string body = "\x40\xFF\xC0";
    for (int i = 0; i < 10; ++i) {
        body += std::string("\x00\x0F\xEF\x7A", 4);
    }
    std::string out;
    EXPECT_FALSE(lzrw1::decompressBlock(body, out));
    EXPECT_LE(out.size(), lzrw1::kBlockSize);
    // A run item cut short by the end of the body.
    EXPECT_FALSE(lzrw1::decompressBlock(std::string("\x40\x80\x00\x00\x01", 5), out));
    // A stored body larger than a block.
    EXPECT_FALSE(lzrw1::decompressBlock(std::string(1, '\x80') + std::string(40000, 'x'), out));
}
