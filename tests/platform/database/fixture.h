#pragma once
// Small database files for the engine tests, made with the builder the application ships.
#include "catalogue/compiler/builder.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/database/rowset.h"
#include <QTest>
#include <memory>

namespace fixture {

// Recipes "Drink 1" ... "Drink n" (glass "Cocktail"), plus `extra` as given.
catalogue::Content content(int n, std::vector<catalogue::Recipe> extra = {});
catalogue::Recipe recipe(const QString& name, const QString& ingredient = QString(), const QString& glass = QStringLiteral("Cocktail"));

// Builds a database file in a fresh temporary folder; returns its path.
QString build(const catalogue::Content& c);

std::shared_ptr<platform::db::Connection> connect(const QString& path);
std::unique_ptr<platform::db::RowSet> open(const QString& path, const QString& source = QStringLiteral("drinklst"));

// The names of every row of drinklst, in key order, read straight from the file.
QStringList names(const QString& path);
QString integrity(const QString& path);
// The first column of the first row of `sql` (empty without one).
QString query(const QString& path, const QString& sql);

} // namespace fixture

// Runs `expr` and checks that it fails with the error `number`.
#define QVERIFY_DB_ERROR(expr, expected)                                                                    \
    do {                                                                                                  \
        int got_ = 0;                                                                                     \
        try {                                                                                             \
            expr;                                                                                         \
        } catch (const platform::db::Error& e_) {                                                         \
            got_ = e_.number();                                                                           \
        }                                                                                                 \
        QCOMPARE(got_, int(expected));                                                                      \
    } while (0)
