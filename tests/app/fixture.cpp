#include "tests/app/fixture.h"

#include "app/frmMain.h"
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
    for (const QString& q : catalogue::categoryQueries())
        content.categories.push_back({q, "name", {q.toLower()}});
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

QStringList namesInFile()
{
    platform::db::Connection db(recipeFile(), catalogue::kConnect);
    platform::db::Statement rows(db.handle(), "SELECT DrinkName FROM drinklst ORDER BY zkey");
    QStringList names;
    while (rows.step())
        names << rows.text(0).value_or(QString());
    return names;
}

Messages::Messages()
{
    platform::msgbox::setTestHook([this](const platform::msgbox::Shown& m) { texts << m.text; });
}

Messages::~Messages() { platform::msgbox::setTestHook({}); }

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

platform::TextBox* box(frmMain* w, const QString& name) { return w->findChild<platform::TextBox*>(name); }
QString name(frmMain* w) { return box(w, "txtFields(0)")->text(); }
QString caption(frmMain* w) { return w->findChild<platform::DataControl*>("Data1")->Caption(); }

void click(frmMain* w, const QString& button)
{
    QTest::mouseClick(w->findChild<QPushButton*>(button), Qt::LeftButton);
}

void type(platform::TextBox* box, const QString& text)
{
    QWidget* editor = box->editor();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, lines[i]);
    }
}

void choose(QWidget* w, const QString& item)
{
    QAction* action = w->findChild<QAction*>(item);
    if (!action)
        QTest::qFail(qPrintable("no item " + item), __FILE__, __LINE__);
    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

} // namespace fixture
