#pragma once
// The bar extras tests' common ground: the database at the fixed path, built with the shipped
// builder; the messages shown; the collection windows reached by control name.
#include "catalogue/categories.h"
#include "catalogue/compiler/builder.h"
#include "tests/common/ui.h"
#include "extras/open.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/database/sqlite.h"
#include "platform/datacontrol.h"
#include "platform/forms.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "tests/common/testmain.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>

namespace fixture {

using Tables = std::map<QString, std::vector<catalogue::Row>>;
using platform::cursor::Shape;

inline QString databaseFile() { return platform::paths::resolve(catalogue::kDatabasePath); }

// A new database with these side-table rows (the other tables empty), replacing any file.
inline void install(const Tables& tables)
{
    QFile::remove(databaseFile());
    QDir().mkpath(QFileInfo(databaseFile()).absolutePath());
    catalogue::Content content;
    for (const catalogue::Category& c : catalogue::categories())
        content.categories.push_back({c.query, "name", {c.query}});
    content.sideTables = tables;
    catalogue::buildDatabase(databaseFile(), content);
}

// table.column of every row in stored order, "<null>" for none.
inline QStringList stored(const QString& table, const QString& column)
{
    platform::db::Connection db(databaseFile(), catalogue::kConnect);
    platform::db::Statement read(db.handle(), QString("SELECT \"%1\" FROM \"%2\" ORDER BY zkey").arg(column, table));
    QStringList values;
    while (read.step())
        values << read.text(0).value_or("<null>");
    return values;
}

inline QStringList& messages()
{
    static QStringList texts;
    return texts;
}
inline void watchMessages()
{
    messages().clear();
    platform::msgbox::setTestHook([](const platform::msgbox::Shown& s) {
        QCOMPARE(s.title, QString("Zestrel"));
        QCOMPARE(s.icon, platform::msgbox::Icon::None);
        messages() << s.text;
    });
}

inline void closeAll()
{
    for (QWidget* w : platform::forms::openWindows())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::msgbox::setTestHook({});
}

inline platform::DataControl* data(QWidget* w) { return w->findChild<platform::DataControl*>("datPrimaryRS"); }
inline QString caption(QWidget* w) { return data(w)->Caption(); }
// Element `element` of the window's txtFields.
inline platform::TextBox* box(QWidget* w, int element) { return ui::box(w, QString("txtFields(%1)").arg(element)); }
using ui::click;
using ui::typeAtEnd;

inline const QString kDataError = "Data error event hit err:";
inline const QString kAtEnd = "You are at the end of the list of drinks!";
inline const QString kAtBeginning = "You are already at the beginning of the list of drinks!";

} // namespace fixture
