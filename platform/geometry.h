#pragma once
// Positions and sizes in twips (1/1440 inch), converted to logical pixels at 96 dpi.
class QWidget;

namespace platform::twips {

constexpr int perPixel = 15;

int toPixels(int twips);     // rounded to the nearest pixel
int fromPixels(int pixels);

// The one placing helper: (left, top) from the top left of the parent's client area.
void place(QWidget* w, int left, int top, int width, int height);
void move(QWidget* w, int left, int top);
// Fixes a window's client area at this size.
void setClientSize(QWidget* window, int width, int height);

} // namespace platform::twips
