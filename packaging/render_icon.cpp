// Writes the program's gear icon as PNG files for the desktop's icon theme:
//   korvanta_icon_render <folder> <size>...  →  <folder>/<size>x<size>/apps/korvanta.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include "ui/common/gear_icon.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream errors(stderr);
    if (arguments.size() < 3) {
        errors << "usage: korvanta_icon_render <folder> <size>...\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        bool isNumber = false;
        const int side = arguments[i].toInt(&isNumber);
        if (!isNumber || side <= 0) {
            errors << "not a size: " << arguments[i] << "\n";
            return 2;
        }
        const QString size = QStringLiteral("%1x%1").arg(side);
        const QString path = folder.filePath(size + "/apps/korvanta.png");
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            korvanta::RenderGearIcon(painter, QRectF(0, 0, side, side));
        }
        if (!folder.mkpath(size + "/apps") || !image.save(path, "PNG")) {
            errors << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
