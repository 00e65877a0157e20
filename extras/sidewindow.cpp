#include "extras/sidewindow.h"

#include "platform/controls.h"
#include "platform/geometry.h"


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
    platform::makeToolWindow(this);
    platform::twips::setClientSize(this, width, height);
}

} // namespace extras
