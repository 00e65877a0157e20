#include "catalogue/printout.h"

#include "platform/geometry.h"
#include "platform/printer.h"

#include <QWidget>

namespace catalogue {

QStringList wrapDirections(QString text, const std::function<double(const QString&)>& measure,
                           double width)
{
    QStringList lines;
    do {
        // Positions count from 1; `space` is the position of the next space, 0 when none is left.
        qsizetype space = 0, start = 0;
        QString line;
        do {
            start = space + 1;
            space = text.indexOf(QLatin1Char(' '), start - 1) + 1;
            line = text.left(space);
        } while (space != 0 && measure(line) <= width);

        if (space == 0) {
            line = text;
            text.clear();
        } else {
            line = text.left(start - 1); // up to and including the previous space
            if (line.isEmpty()) {        // the first word alone is too wide: it gets its own line
                line = text.left(space);
                start = space + 1;
            }
            qsizetype rest = start - 1;
            while (rest < text.size() && text.at(rest) == QLatin1Char(' '))
                ++rest;
            text.remove(0, rest);
        }
        lines << line;
    } while (!text.isEmpty());
    return lines;
}

void printRecipe(const std::array<QString, 22>& fields, const QWidget& measure, const QString& pdfFile)
{
    const QString blank = QStringLiteral(" ");
    platform::printer::Document doc(pdfFile);
    doc.setFont(kPrintFace, 16, true);
    doc.print(QStringLiteral("                                 Zestrel"));
    doc.setFont(kPrintFace, 12, false);
    doc.print(blank);
    doc.print(blank);
    doc.print(QStringLiteral("Drink's Name: ") + fields[0]);
    doc.print(blank);
    doc.print(blank);
    for (int k = 1; k <= 10; ++k)
        doc.print(fields[2 * k - 1] + QStringLiteral("  ") + fields[2 * k]);
    doc.print(blank);
    doc.print(blank);
    doc.print(QStringLiteral("Directions:"));
    doc.print(blank);
    const auto width = [&](const QString& t) { return platform::printer::textWidth(measure, t); };
    for (const QString& line : wrapDirections(fields[21], width, platform::twips::fromPixels(measure.width())))
        doc.print(line);
    doc.print(blank);
    doc.endDoc();
}

} // namespace catalogue
