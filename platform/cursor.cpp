#include "platform/cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform::cursor {

void set(Shape shape)
{
    if (shape == Shape::Hourglass) {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

Shape current()
{
    const QCursor* override = QGuiApplication::overrideCursor();
    return override && override->shape() == Qt::WaitCursor ? Shape::Hourglass : Shape::Arrow;
}

} // namespace platform::cursor
