#pragma once
// A collection definition: everything in which one collection window differs from another.
// The eight collections are data (collections.cpp); one window class shows any of them.
#include "extras/sidewindow.h"
#include "platform/controls.h"

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace extras {

// A text box bound to a column, element `index` of txtFields, with its label (element `index`
// of lblLabels) unless the label text is empty.
struct BoundField {
    int index;
    QString column;
    QString label;
    Box labelBox;
    platform::TextBox::Kind kind;
    int maxLength; // single line only; 0 is no limit
    Box box;
};

// What sets the game windows apart from the jokes and toasts windows.
struct Appearance {
    FontSpec labelFont;
    QColor labelColor;
    std::optional<QPoint> clientAt; // twips on the screen; none: where the system places it
};

// A fixed text above the fields (the jokes window's).
struct Heading {
    QString name, text;
    Box box;
    FontSpec font;
    QColor color;
};

struct CollectionDefinition {
    QString formName;
    QString caption;
    QString databaseName;
    QString recordSource;
    QString prefix;            // of the record caption, before the row number
    bool busyCursor;           // the hourglass from each data action until the next Reposition
    bool deleteStepBack;       // a delete steps back first when the list has run out
    QSize client;              // twips
    int buttonTop, buttonLeft; // twips, the first button of the row
    QSize closeButton;         // twips
    std::vector<BoundField> fields;
    const Appearance* appearance;
    std::optional<Heading> heading;
    bool categoryPictures;     // the film strip and television set that follow the row's type
};

// The eight collections: the two of the main window, then the six of the games chooser.
const std::vector<CollectionDefinition>& collections();
// nullptr when no collection has that form name.
const CollectionDefinition* findCollection(const QString& formName);

} // namespace extras
