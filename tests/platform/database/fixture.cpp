#include "fixture.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fixture {

using namespace platform::db;

catalogue::Recipe recipe(const QString& name, const QString& ingredient, const QString& glass)
{
    catalogue::Recipe r;
    r.name = name;
    r.glass = glass;
    r.qty[0] = QStringLiteral("1 oz");
    r.ing[0] = ingredient.isEmpty() ? QStringLiteral("Orange juice") : ingredient;
    r.directions = QStringLiteral("Stir.\nServe.");
    return r;
}

catalogue::Content content(int n, std::vector<catalogue::Recipe> extra)
{
    catalogue::Content c;
    QFile rules(QStringLiteral(ZESTREL_SOURCE_DIR "/content/categories.txt"));
    if (rules.open(QIODevice::ReadOnly))
        c.categories = catalogue::parseCategories(QString::fromUtf8(rules.readAll()));
    for (int i = 1; i <= n; ++i)
        c.recipes.push_back(recipe(QStringLiteral("Drink %1").arg(i)));
    for (auto& r : extra)
        c.recipes.push_back(r);
    c.sideTables[QStringLiteral("joke")] = {};
    return c;
}

QString build(const catalogue::Content& c)
{
    static int counter = 0;
    const QString dir = QDir::tempPath() + QStringLiteral("/zestrel-db-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/Zestrel.mdb");
    catalogue::buildDatabase(path, c);
    return path;
}

std::shared_ptr<Connection> connect(const QString& path)
{
    return std::make_shared<Connection>(path, catalogue::kConnect);
}

std::unique_ptr<RowSet> open(const QString& path, const QString& source)
{
    return std::make_unique<RowSet>(connect(path), source);
}

QStringList names(const QString& path)
{
    auto conn = connect(path);
    Statement st(conn->handle(), QStringLiteral("SELECT ifnull(DrinkName, '<null>') FROM drinklst ORDER BY zkey"));
    QStringList out;
    while (st.step())
        out << *st.text(0);
    return out;
}

QString integrity(const QString& path) { return query(path, QStringLiteral("PRAGMA integrity_check")); }

QString query(const QString& path, const QString& sql)
{
    auto conn = connect(path);
    Statement st(conn->handle(), sql);
    return st.step() ? st.text(0).value_or(QString()) : QString();
}

} // namespace fixture
