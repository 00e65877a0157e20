#pragma once
// Where a top-level window may stand: on the screens that exist, at an outer size that fits them.
#include <QRect>

class QWidget;

namespace platform::screens {

// True when some part of `frame` is on some screen.
bool onSomeScreen(const QRect& frame);
// `frame` no larger than the available area of the screen it is most on, and moved as little as
// needed to lie inside it.
QRect clamp(const QRect& frame);
// Places a window by its outer frame: corner and outer size. The desktop's frame is known only
// once the window is on screen; the inside size follows it then, unless the window was resized
// meanwhile.
void setFrameGeometry(QWidget* window, const QRect& frame);

} // namespace platform::screens
