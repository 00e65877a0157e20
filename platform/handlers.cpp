#include "platform/handlers.h"

#include "platform/cursor.h"
#include "platform/msgbox.h"

namespace platform {

void report(const std::exception& e)
{
    // The failed operation ends here: an hourglass set on its way (a data control's Validate)
    // would otherwise stay, since no Reposition follows.
    cursor::set(cursor::Shape::Arrow);
    if (!dynamic_cast<const Settled*>(&e))
        msgbox::show(QString::fromUtf8(e.what()));
}

} // namespace platform
