#include "extras/sidewindow.h"

#include "platform/controls.h"
#include "platform/geometry.h"

#include <QPainter>

namespace extras {

void place(QWidget* w, const Box& box)
{
    platform::twips::place(w, box.left, box.top, box.width, box.height);
}

QFont FontSpec::font() const
{
    return family.isEmpty() ? platform::windowFont() : platform::font(family, points, bold);
}

SideWindow::SideWindow(const QString& formName, const QString& caption, int width, int height)
{
    setObjectName(formName);
    setWindowTitle(caption);
    // A tool window stays out of the task bar; the hints leave only the title and the close box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    platform::twips::setClientSize(this, width, height);
}

void SideWindow::paintEvent(QPaintEvent*)
{
    // Painted rather than set in the palette, which every child control would inherit.
    QPainter(this).fillRect(rect(), Qt::black);
}

} // namespace extras
