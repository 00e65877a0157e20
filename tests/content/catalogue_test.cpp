// The supplied catalogue, read back from the built database file through the engine.
#include "catalogue/categories.h"
#include "catalogue/glasspictures.h"
#include "catalogue/schema.h"
#include "platform/database/connection.h"
#include "tests/common/testmain.h"
#include <QSet>

using platform::db::Connection;
using platform::db::Statement;

namespace {

constexpr int kLeastRecipes = 450;
constexpr int kLeastPerCategory = 20;
// The categories a drink without alcohol may share: the rest name spirits, liqueurs, beer or wine.
const QStringList kMixers{QStringLiteral("HotDrinks"), QStringLiteral("Punch"), QStringLiteral("Tropical"),
                          QStringLiteral("NonAlcoholic")};

QString suppliedFile() { return QStringLiteral(ZESTREL_SUPPLIED_DIR "/Zestrel.mdb"); }

int count(Connection& db, const QString& source)
{
    Statement st(db.handle(), QStringLiteral("SELECT count(*) FROM \"%1\"").arg(source));
    st.step();
    return int(st.int64(0));
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void categoryMembers_data()
    {
        QTest::addColumn<QString>("query");
        for (const catalogue::Category& c : catalogue::categories())
            QTest::newRow(qPrintable(c.query)) << c.query;
    }
    void categoryMembers()
    {
        QFETCH(QString, query);
        Connection db(suppliedFile(), catalogue::kConnect);
        const int all = count(db, QStringLiteral("drinklst"));
        const int members = count(db, query);
        QVERIFY2(all >= kLeastRecipes, qPrintable(QString::number(all)));
        QVERIFY2(members >= kLeastPerCategory, qPrintable(QString::number(members)));
        // A rule whose words catch far too much shows as one category holding most drinks.
        QVERIFY2(members * 4 <= all, qPrintable(QStringLiteral("%1 of %2").arg(members).arg(all)));
        if (!kMixers.contains(query)) {
            Statement both(db.handle(), QStringLiteral("SELECT group_concat(DrinkName, ', ') FROM \"%1\" "
                                                       "WHERE zkey IN (SELECT zkey FROM NonAlcoholic)")
                                            .arg(query));
            both.step();
            QVERIFY2(!both.text(0),
                     qPrintable(QStringLiteral("also without alcohol: ") + both.text(0).value_or(QString())));
        }
    }

    void everyRecipeIsWholeAndDistinct()
    {
        QSet<QString> glasses;
        for (const auto& g : catalogue::glassPictures())
            glasses << g.glass;

        QStringList columns{QStringLiteral("DrinkName"), QStringLiteral("Glass"), QStringLiteral("Directions")};
        for (int i = 1; i <= 10; ++i)
            columns << QStringLiteral("Qty%1").arg(i) << QStringLiteral("Ing%1").arg(i);
        Connection db(suppliedFile(), catalogue::kConnect);
        Statement rows(db.handle(), QStringLiteral("SELECT %1 FROM drinklst").arg(columns.join(QLatin1Char(','))));

        QStringList faults;
        QSet<QString> names, ingredientLists;
        while (rows.step()) {
            const QString name = rows.text(0).value_or(QString());
            const QString glass = rows.text(1).value_or(QString());
            if (name.trimmed().isEmpty() || rows.text(2).value_or(QString()).trimmed().isEmpty())
                faults << QStringLiteral("'%1' lacks a name or directions").arg(name);
            if (!glasses.contains(glass))
                faults << QStringLiteral("'%1' is served in an unknown glass '%2'").arg(name, glass);
            QStringList ingredients;
            for (int c = 0; c < columns.size(); ++c) {
                const QString value = rows.text(c).value_or(QString());
                if (c != 2 && value.size() > catalogue::kTextLimit)
                    faults << QStringLiteral("'%1': %2 is longer than %3")
                                  .arg(name, columns[c])
                                  .arg(catalogue::kTextLimit);
                if (columns[c].startsWith(QLatin1String("Ing")) && !value.isEmpty())
                    ingredients << value.toLower();
            }
            ingredients.sort();
            if (names.contains(name.toLower()))
                faults << QStringLiteral("'%1' appears twice").arg(name);
            if (ingredientLists.contains(ingredients.join(QLatin1Char('|'))))
                faults << QStringLiteral("'%1' repeats another recipe's ingredients").arg(name);
            names << name.toLower();
            ingredientLists << ingredients.join(QLatin1Char('|'));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

ZESTREL_TEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
