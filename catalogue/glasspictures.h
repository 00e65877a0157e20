#pragma once
// The pictures of the serving glass beside a recipe: which glass name shows which picture box,
// and where the box stands.
#include <QSize>
#include <QString>
#include <vector>

namespace catalogue {

struct GlassPicture {
    QString glass;      // the exact text of the recipe's Glass field
    QString box;        // the picture box's name
    QString art;        // the SVG drawing
    QSize pixels;       // the picture's size
    int top;            // twips; every box stands at kGlassPictureLeft
    int width, height;  // twips, the box with its border where it has one
};

constexpr int kGlassPictureLeft = 7440;

// The twenty glasses, in the order their names are compared.
const std::vector<GlassPicture>& glassPictures();

} // namespace catalogue
