#pragma once
// A guide as data: its window, its fixed controls and its entries. An entry is a selector and
// the display group that the selector shows; the groups lie on top of one another.
#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

namespace guides {

// One control of a guide window, placed in twips from the top left of the client area.
struct Control {
    enum class Kind { Button, Label, Picture, Text };

    Kind kind{};
    QString name{};
    int left = 0;
    int top = 0;
    int width = 0;          // a picture box with a picture sizes itself to the picture
    int height = 0;
    QString caption{};      // Button, Label
    QString source{};       // Picture: SVG resource (empty for a plain marker box); Text: text resource
    QSize pixels{};         // Picture: the picture's size in pixels
    QColor back{};          // Label, Picture: the back colour; invalid for none
    double pointSize = 0;   // Label: "MS Sans Serif" at this size; 0 keeps the window font
};

// A command button.
Control button(const QString& name, const QString& caption, int left, int top, int width, int height);
// A centred label on a back colour.
Control label(const QString& name, const QString& caption, int left, int top, int width, int height,
              const QColor& back, double pointSize = 0);
// A picture box with the sunken border, sized to the picture.
Control picture(const QString& name, const QString& source, QSize pixels, int left, int top);
// An empty picture box with the sunken border, filled with a colour.
Control marker(const QString& name, int left, int top, int width, int height, const QColor& back);
// A multi-line text box with a vertical scroll bar, filled from a text resource.
Control textBox(const QString& name, const QString& source, int left, int top, int width, int height);

struct Entry {
    Control selector;          // a button or a label; its click shows the group
    QList<Control> group;      // all visible while the entry is chosen, all hidden otherwise
};

struct Definition {
    QString formName{};
    QString title{};
    int width = 0;                        // client area, twips
    int height = 0;
    std::optional<QPoint> screenPlace{};  // client area's top left on the screen, twips;
                                          // without it the window system places the window
    std::optional<Control> heading{};     // a label that takes no clicks
    QList<Entry> entries{};               // in layout order, which is also the tab order
    Control close{};                      // unloads the window
    QString shownAtOpening{};             // the selector name of the entry shown when loaded
};

} // namespace guides
