#include "platform/geometry.h"

#include <QWidget>
#include <cmath>

namespace platform::twips {

int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}

int fromPixels(int pixels)
{
    return pixels * perPixel;
}

void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void move(QWidget* w, int left, int top)
{
    w->move(toPixels(left), toPixels(top));
}

void setClientSize(QWidget* window, int width, int height)
{
    window->setFixedSize(toPixels(width), toPixels(height));
}

} // namespace platform::twips
