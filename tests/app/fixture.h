#pragma once
// The main window's tests: a recipe file of their own at the fixed path, read back through a
// connection of its own, the messages shown, and the window driven by mouse and keyboard.
#include "catalogue/supplied.h"

#include <QStringList>

class QWidget;
class frmMain;
namespace platform { class TextBox; }

namespace fixture {

// A new file with these recipes in this order, each with one ingredient line, two lines of
// directions and a glass; any file there is replaced.
void installRecipes(const QStringList& names, const QString& connect = catalogue::kConnect);
// Runs SQL on the recipe file through a connection of its own.
void execInFile(const QString& sql);
void removeRecipeFile();
QStringList namesInFile();   // DrinkName of every row, in row order

// Collects the texts of the message boxes shown while it lives; none appears on screen.
struct Messages {
    Messages();
    ~Messages();
    QStringList texts;
};

frmMain* openMain();          // as the splash opens it, shown
void closeMain(frmMain* w);   // as the user closes it, deleted

platform::TextBox* box(frmMain* w, const QString& name);   // "txtFields(0)", "txtGlassname"
QString name(frmMain* w);                                  // the text of txtFields(0)
QString caption(frmMain* w);                               // the strip of Data1
void click(frmMain* w, const QString& button);
void type(platform::TextBox* box, const QString& text);    // replaces the box's text by typing
// Chooses the menu item (or any action) named `item` of the window, delivered as the event loop
// delivers a user's choice, so a failure is reported as the application reports it.
void choose(QWidget* w, const QString& item);

} // namespace fixture
