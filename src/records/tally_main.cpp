// hearts-tally: reads or repairs a tally file.
//   hearts-tally show FILE.tld       the table: own totals, then one line per opponent
//   hearts-tally unpack FILE.tld OUT the container's content, byte for byte
//   hearts-tally pack IN FILE.tld    any file into the container
#include "tallytable.h"
#include "tlzrw1.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

int usage() {
    std::fputs("usage: hearts-tally show FILE.tld\n"
               "       hearts-tally unpack FILE.tld OUT\n"
               "       hearts-tally pack IN FILE.tld\n",
               stderr);
    return 2;
}

int convert(const QString& input, const QString& output, bool pack) {
    Tlzrw1 doit;
    doit.InputFile = input;
    doit.OutputFile = output;
    try {
        const qint64 written = pack ? doit.Compress() : doit.Decompress();
        std::printf("%lld bytes written to %s\n", static_cast<long long>(written),
                    output.toLocal8Bit().constData());
        return 0;
    } catch (const ELzrw1Exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

int show(const QString& file) {
    QTemporaryDir work;
    const QString text = work.filePath(QStringLiteral("tally.txt"));
    Tlzrw1 doit;
    doit.InputFile = file;
    doit.OutputFile = text;
    TallyTable table;
    try {
        doit.Decompress();
    } catch (const ELzrw1Exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    QFile read(text);
    if (!read.open(QIODevice::ReadOnly) || !table.fromText(read.readAll())) {
        std::fprintf(stderr, "%s holds no tally table\n", file.toLocal8Bit().constData());
        return 1;
    }
    std::printf("Total games %s, your wins %s\n", table.cell(1, 0).toLocal8Bit().constData(),
                table.cell(2, 0).toLocal8Bit().constData());
    std::printf("%-20s %6s %6s %6s %6s\n", "Opponent", "Games", "His", "Yours", "Others");
    for (int row = 1; row < table.rowCount(); ++row) {
        std::printf("%-20s %6s %6s %6s %6s\n", table.cell(0, row).toLocal8Bit().constData(),
                    table.cell(1, row).toLocal8Bit().constData(),
                    table.cell(2, row).toLocal8Bit().constData(),
                    table.cell(3, row).toLocal8Bit().constData(),
                    table.cell(4, row).toLocal8Bit().constData());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("show")) {
        return show(args[1]);
    }
    if (args.size() == 3 && args[0] == QLatin1String("unpack")) {
        return convert(args[1], args[2], false);
    }
    if (args.size() == 3 && args[0] == QLatin1String("pack")) {
        return convert(args[1], args[2], true);
    }
    return usage();
}
