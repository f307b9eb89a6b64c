#include "tlzrw1.h"

#include "lzrw1block.h"
#include "savefile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray kIdentifier = QByteArrayLiteral("WRZL");
const QByteArray kLzhIdentifier = QByteArrayLiteral("!HZL");

[[noreturn]] void fail(const QString& text) {
    throw ELzrw1Exception(text.toStdString());
}

void appendLittle(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

quint32 readLittle(const QByteArray& bytes) {
    quint32 value = 0;
    for (qsizetype i = bytes.size() - 1; i >= 0; --i) {
        value = value << 8 | static_cast<quint8>(bytes[i]);
    }
    return value;
}

// The output, written beside its target and moved into place only when whole.
class Output {
public:
    explicit Output(const QString& name) : m_name(name), m_file(name) {
        if (!m_file.open()) {
            fail(QStringLiteral("Lzrw1 (de)compression : Failed to open output file : ") + name);
        }
    }
    void write(const QByteArray& bytes) {
        if (!m_file.write(bytes)) {
            fail(QStringLiteral("Lzrw1 : Error writing to output file : ") + m_name +
                 QStringLiteral(" (") + m_file.error() + QStringLiteral(")"));
        }
    }
    qint64 commit() {
        if (!m_file.commit()) {
            fail(QStringLiteral("Lzrw1 : Error writing to output file : ") + m_name +
                 QStringLiteral(" (") + m_file.error() + QStringLiteral(")"));
        }
        return m_file.written();
    }
    qint64 written() const { return m_file.written(); }

private:
    QString m_name;
    SaveFile m_file;
};

QFile* openInput(QFile& file, const QString& name) {
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("Lzrw1 (de)compression : Failed to open input file : ") + name);
    }
    return &file;
}

} // namespace

qint64 Tlzrw1::Compress() {
    const QFileInfo info(InputFile);
    if (!info.exists() || !info.isFile()) {
        fail(QStringLiteral("Lzrw1 compression : Failed to obtain the size of : ") + InputFile);
    }
    QFile input(InputFile);
    openInput(input, InputFile);
    Output output(OutputFile);
    QByteArray header = kIdentifier;
    appendLittle(header, static_cast<quint32>(info.size()), 4);
    output.write(header);
    for (;;) {
        const QByteArray piece = input.read(lzrw1::kBlockSize);
        if (input.error() != QFileDevice::NoError) {
            fail(QStringLiteral("Lzrw1 : Error reading from input file : ") + InputFile +
                 QStringLiteral(" (LZRW1/KH)"));
        }
        const std::string body =
            lzrw1::compressBlock(std::string_view(piece.constData(), piece.size()));
        QByteArray block;
        appendLittle(block, static_cast<quint32>(body.size()), 2);
        block.append(body.data(), static_cast<qsizetype>(body.size()));
        output.write(block);
        if (betweenBlocks) {
            betweenBlocks();
        }
        if (piece.size() < static_cast<qsizetype>(lzrw1::kBlockSize)) {
            break;
        }
    }
    return output.commit();
}

qint64 Tlzrw1::Decompress() {
    QFile input(InputFile);
    openInput(input, InputFile);
    Output output(OutputFile);
    auto readExactly = [&](qint64 size) {
        const QByteArray bytes = input.read(size);
        if (bytes.size() != size) {
            fail(QStringLiteral("Lzrw1 : Error reading from input file : ") + InputFile);
        }
        return bytes;
    };
    const QByteArray identifier = readExactly(4);
    if (identifier == kLzhIdentifier) {
        fail(InputFile + QStringLiteral(" : Lzrw1 decompression : this file uses the LZH coding,"
                                        " which is not supported !"));
    }
    if (identifier != kIdentifier) {
        fail(InputFile +
             QStringLiteral(" : Lzrw1 decompression : this file has no valid header !"));
    }
    const quint32 size = readLittle(readExactly(4));
    const QString mismatch = QStringLiteral(
        "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
    std::string piece;
    for (;;) {
        const quint32 length = readLittle(readExactly(2));
        const QByteArray body = readExactly(length);
        if (!lzrw1::decompressBlock(std::string_view(body.constData(), body.size()), piece)) {
            fail(mismatch);
        }
        output.write(QByteArray(piece.data(), static_cast<qsizetype>(piece.size())));
        if (output.written() > static_cast<qint64>(size)) {
            fail(mismatch);
        }
        if (betweenBlocks) {
            betweenBlocks();
        }
        if (piece.size() < lzrw1::kBlockSize) {
            break;
        }
    }
    if (output.written() != static_cast<qint64>(size)) {
        fail(mismatch);
    }
    return output.commit();
}
