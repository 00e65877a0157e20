#pragma once
// The printed recipe: the directions' word wrap and the whole printout on the default printer.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QWidget;

namespace catalogue {

// The face of the whole printout ("Arial": Liberation Sans where fonts-liberation stands in).
inline const QString kPrintFace = QStringLiteral("Arial");

// Breaks `text` into printed lines for a line width of `width` twips, `measure` giving a text's
// width in twips. Lines break only after a space and keep it; the rest of the text loses its
// leading spaces. The last line is taken whole, so it may run past the width by its last word;
// a text without spaces is one line however long, and an empty text is one empty line. A first
// word wider than the line goes on a line of its own.
QStringList wrapDirections(QString text, const std::function<double(const QString&)>& measure,
                           double width);

// Prints one recipe as one job on the default printer, or as a PDF file at `pdfFile` when one is
// named: `fields` are the texts of the recipe view's boxes 0 to 21 as shown; the directions are
// wrapped to the width of `measure`, measured in its font. Throws platform::Failure when the
// printer is missing or fails, or the file cannot be written.
void printRecipe(const std::array<QString, 22>& fields, const QWidget& measure, const QString& pdfFile = QString());

} // namespace catalogue
