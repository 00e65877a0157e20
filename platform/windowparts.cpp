#include "platform/windowparts.h"

#include "platform/controls.h"
#include "platform/geometry.h"

#include <QPainter>
#include <QPushButton>

namespace platform {

QPushButton* makeCommandButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                               int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    twips::place(button, left, top, width, height);
    return button;
}

Label* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font)
{
    auto* label = new Label(parent, name, text);
    label->setFont(font);
    return label;
}

void placeLabel(QLabel* label, int left, int top, int width, int height)
{
    twips::place(label, left, top, width, height);
    const QMargins m = label->contentsMargins();
    const int needed =
        label->fontMetrics().horizontalAdvance(label->text()) + m.left() + m.right() + 2 * label->margin();
    if (needed > label->width()) {
        label->setWordWrap(false);
        label->resize(needed, label->height());
    }
}

void placeLabelBefore(QLabel* label, int left, int top, int width, int height, int controlLeft)
{
    twips::place(label, left, top, width, height);
    const int room = twips::toPixels(controlLeft - left);
    QFont font = label->font();
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(label->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

void nameAfterLabel(QWidget* control, const QString& caption)
{
    QString name;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;   // "&&" is a shown ampersand; "&x" marks x as the access key
        name += caption[i];
    }
    name = name.trimmed();
    while (name.endsWith(u':') || name.endsWith(u'.'))
        name.chop(1);
    auto* box = qobject_cast<TextBox*>(control);
    (box ? box->editor() : control)->setAccessibleName(name.trimmed());
}

PictureBox* makePicture(QWidget* parent, const QString& name, const QString& svg, QSize pixels, bool sunken)
{
    auto* picture = new PictureBox(parent, name);
    picture->setSunkenBorder(sunken);
    picture->setPicture(svg, pixels);
    return picture;
}

void makeToolWindow(QWidget* window)
{
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void BlackArea::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

} // namespace platform
