#pragma once
// The bar extras tests' common ground: the database at the fixed path, built with the shipped
// builder; the messages shown; the collection windows reached by control name.
#include "catalogue/supplied.h"
#include "extras/extras.h"
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
    for (const QString& query : catalogue::categoryQueries())
        content.categories.push_back({query, "name", {query}});
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
inline platform::TextBox* box(QWidget* w, int element)
{
    return w->findChild<platform::TextBox*>(QString("txtFields(%1)").arg(element));
}

inline void click(QWidget* w, const QString& control)
{
    QWidget* target = w->findChild<QWidget*>(control);
    QVERIFY2(target, qPrintable(control));
    QTest::mouseClick(target, Qt::LeftButton);
}

// Typed at the end of the box's text.
inline void type(platform::TextBox* b, const QString& text)
{
    const bool multi = b->kind() == platform::TextBox::Kind::MultiLine;
    QTest::keyClick(b->editor(), Qt::Key_End, multi ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyClicks(b->editor(), text);
}

inline const QString kDataError = "Data error event hit err:";
inline const QString kAtEnd = "You are at the end of the list of drinks!";
inline const QString kAtBeginning = "You are already at the beginning of the list of drinks!";

} // namespace fixture
