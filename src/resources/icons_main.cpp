// Writes the program's icon for the desktop: PNGs in the hicolor theme's
// sizes and a scalable SVG, under the folder given, named after the
// program's desktop id. Run by scripts/make-icons.sh.
#include "programicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: hearts-icons OUTPUT-FOLDER DESKTOP-ID\n");
        return 2;
    }
    const QString top = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(top).arg(size);
        QDir().mkpath(folder);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintProgramIcon(painter, size);
        painter.end();
        const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
        if (!image.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString folder = top + QStringLiteral("/scalable/apps");
    QDir().mkpath(folder);
    QSvgGenerator svg;
    svg.setFileName(QDir(folder).filePath(name + QStringLiteral(".svg")));
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRectF(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Hearts"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    paintProgramIcon(painter, 64);
    painter.end();
    return 0;
}
