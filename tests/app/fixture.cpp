#include "tests/app/fixture.h"

#include "app/frmMain.h"
#include "catalogue/categories.h"
#include "catalogue/compiler/builder.h"
#include "platform/controls.h"
#include "platform/database/connection.h"
#include "platform/datacontrol.h"
#include "platform/forms.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>


namespace fixture {

static QString recipeFile() { return platform::paths::resolve(catalogue::kDatabasePath); }

void removeRecipeFile() { QFile::remove(recipeFile()); }

void installRecipes(const QStringList& names, const QString& connect)
{
    removeRecipeFile();
    QDir().mkpath(QFileInfo(recipeFile()).absolutePath());
    catalogue::Content content;
    for (const catalogue::Category& c : catalogue::categories())
        content.categories.push_back({c.query, "name", {c.query.toLower()}});
    for (const QString& name : names) {
        catalogue::Recipe r;
        r.name = name;
        r.glass = "Highball";
        r.qty[0] = "2 oz";
        r.ing[0] = name + " base";
        r.directions = "Build over ice.\nStir once.";
        content.recipes.push_back(r);
    }
    catalogue::buildDatabase(recipeFile(), content, connect);
}

void execInFile(const QString& sql)
{
    platform::db::Connection(recipeFile(), catalogue::kConnect).exec(sql);
}

QStringList namesInFile() { return namesInFile("drinklst"); }

QStringList namesInFile(const QString& query)
{
    platform::db::Connection db(recipeFile(), catalogue::kConnect);
    platform::db::Statement rows(db.handle(), QString("SELECT DrinkName FROM \"%1\" ORDER BY zkey").arg(query));
    QStringList names;
    while (rows.step())
        names << rows.text(0).value_or(QString());
    return names;
}

frmMain* openMain()
{
    QWidget* w = platform::forms::open("frmMain", [] { return new frmMain; });
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("the main window was not exposed");
    return static_cast<frmMain*>(w);
}

void closeMain(frmMain* w)
{
    platform::forms::unload(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString name(frmMain* w) { return box(w, "txtFields(0)")->text(); }
QString caption(frmMain* w) { return w->findChild<platform::DataControl*>("Data1")->Caption(); }

void choose(QWidget* w, const QString& item)
{
    QAction* action = w->findChild<QAction*>(item);
    if (!action)
        QTest::qFail(qPrintable("no item " + item), __FILE__, __LINE__);
    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

} // namespace fixture
