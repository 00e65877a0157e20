#pragma once
// What every bar extras window shares: a fixed border with only a close box, no task bar entry,
// a black client area; and the twips box its controls are placed by.
#include <QFont>
#include <QString>
#include "platform/windowparts.h"

namespace extras {

// Left, top, width and height in twips.
struct Box {
    int left, top, width, height;
};

void place(QWidget* w, const Box& box);

// A font by family, point size and weight; an empty family is the window font.
struct FontSpec {
    QString family;
    double points = 0;
    bool bold = false;

    QFont font() const;
};

class SideWindow : public platform::BlackArea {
    Q_OBJECT
public:
    // The client area is fixed at width by height twips.
    SideWindow(const QString& formName, const QString& caption, int width, int height);
};

} // namespace extras
