#pragma once
// The main window's tests: a recipe file of their own at the fixed path, read back through a
// connection of its own, the messages shown, and the window driven by mouse and keyboard.
#include "catalogue/schema.h"
#include "tests/common/ui.h"

#include <QStringList>

class QWidget;
namespace app { class frmMain; }
namespace platform { class TextBox; }
using app::frmMain;

namespace fixture {

// A new file with these recipes in this order, each with one ingredient line, two lines of
// directions and a glass; any file there is replaced.
void installRecipes(const QStringList& names, const QString& connect = catalogue::kConnect);
// Runs SQL on the recipe file through a connection of its own.
void execInFile(const QString& sql);
void removeRecipeFile();
QStringList namesInFile();   // DrinkName of every row, in row order
QStringList namesInFile(const QString& query); // ... of a stored query, in key order

frmMain* openMain();          // as the splash opens it, shown
void closeMain(frmMain* w);   // as the user closes it, deleted

using ui::box;
using ui::click;
using ui::Messages;
using ui::typeOver;
QString name(frmMain* w);                                  // the text of txtFields(0)
QString caption(frmMain* w);                               // the strip of Data1
// Chooses the menu item (or any action) named `item` of the window, delivered as the event loop
// delivers a user's choice, so a failure is reported as the application reports it.
void choose(QWidget* w, const QString& item);

} // namespace fixture
