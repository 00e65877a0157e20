#pragma once
// Catalogues grown from the supplied recipes for the benchmarks, kept in the work folder so that a
// later run reuses them.
#include "catalogue/compiler/builder.h"
#include "catalogue/membership.h"
#include "catalogue/mybar/index.h"
#include "catalogue/schema.h"
#include "platform/database/connection.h"

#include <QFile>
#include <algorithm>

// Every thousandth recipe from 90 % of the way on is a sour, so a find crosses most of the file.
inline QString nameOf(qint64 i, qint64 n)
{
    return (i >= n * 9 / 10 && i % 1000 == 0) ? QStringLiteral("Whiskey Sour %1").arg(i)
                                              : QStringLiteral("Drink %1").arg(i);
}

// The supplied recipes, named "Drink n", copied until there are n; each copy keeps the categories
// of its original (copied with it, the triggers standing aside while the file grows) and its
// ingredient lines (the index read again once the file has grown).
inline QString generate(const QString& dir, qint64 n)
{
    const QString path = QStringLiteral("%1/catalogue-%2.mdb").arg(dir).arg(n);
    if (QFile::exists(path))
        return path;
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    catalogue::Content content = catalogue::loadContent(QStringLiteral(ZESTREL_SOURCE_DIR "/content"));
    content.recipes.resize(size_t(std::min<qint64>(n, qint64(content.recipes.size()))));
    for (size_t i = 0; i < content.recipes.size(); ++i)
        content.recipes[i].name = nameOf(qint64(i) + 1, n);
    catalogue::buildDatabase(temp, content);
    platform::db::Connection db(temp, catalogue::kConnect);
    db.exec(
        QStringLiteral("PRAGMA synchronous=OFF; BEGIN; DROP TRIGGER zcategory_insert; DROP TRIGGER zcategory_update; "
                       "DROP TRIGGER zcategory_delete; DROP TRIGGER mybar_insert; DROP TRIGGER mybar_update; "
                       "DROP TRIGGER mybar_delete"));
    const QString columns = catalogue::recipeColumns().join(QLatin1Char(','));
    for (qint64 have = qint64(content.recipes.size()); have < n; have *= 2) {
        db.exec(
            QStringLiteral(
                "INSERT INTO drinklst (zkey,%1) SELECT zkey + %2,%1 FROM drinklst WHERE zkey + %2 <= %3; "
                "INSERT INTO zcategory_members SELECT category, zkey + %2 FROM zcategory_members WHERE zkey + %2 <= %3")
                .arg(columns)
                .arg(have)
                .arg(n));
    }
    db.exec(
        QStringLiteral("UPDATE drinklst SET DrinkName = 'Drink ' || zkey; "
                       "UPDATE drinklst SET DrinkName = 'Whiskey Sour ' || zkey WHERE zkey >= %1 AND zkey % 1000 = 0")
            .arg(n * 9 / 10));
    for (const auto& layout : {catalogue::membershipLayout(content.categories), catalogue::mybar::indexLayout()})
        for (const catalogue::SchemaObject& o : layout)
            if (o.type == QLatin1String("trigger"))
                db.exec(o.sql);
    catalogue::mybar::fillIndex(db);
    db.exec(QStringLiteral("COMMIT"));
    QFile::rename(temp, path);
    return path;
}
