#include "app/formcontrols.h"

#include "platform/controls.h"
#include "platform/geometry.h"

#include <QLabel>
#include <QPushButton>

namespace app {

QPushButton* makeCommandButton(QWidget* parent, const QString& name, const QString& caption,
                               int left, int top, int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    platform::twips::place(button, left, top, width, height);
    return button;
}

void placeLabel(QLabel* label, int left, int top, int width, int height)
{
    platform::twips::place(label, left, top, width, height);
    const QMargins m = label->contentsMargins();
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + m.left() + m.right()
        + 2 * label->margin();
    if (needed > label->width()) {
        label->setWordWrap(false);
        label->resize(needed, label->height());
    }
}

platform::PictureBox* makePicture(QWidget* parent, const QString& name, const QString& svg, QSize pixels,
                                  bool sunken)
{
    auto* picture = new platform::PictureBox(parent, name);
    picture->setSunkenBorder(sunken);
    picture->setPicture(svg, pixels);
    return picture;
}

} // namespace app
