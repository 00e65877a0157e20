// Not a test: draws the twenty glass pictures side by side into one PNG for a look: a row at
// the size the main window shows them, then two rows at twice that size, as on a 2x screen.
// Argument: OUTPUT.png.
#include "catalogue/glasspictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const auto& glasses = catalogue::glassPictures();
    constexpr int cell = 110, large = 2 * cell, perLargeRow = 10;
    QImage sheet(int(glasses.size()) * cell, 160 + 2 * 310, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < int(glasses.size()); ++i) {
        QSvgRenderer art(glasses[size_t(i)].art);
        const QSizeF size = glasses[size_t(i)].pixels;
        art.render(&painter, QRectF(QPointF(i * cell + 5, 5), size));
        art.render(&painter, QRectF(QPointF(i % perLargeRow * large + 10, 160 + i / perLargeRow * 310), size * 2));
    }
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
