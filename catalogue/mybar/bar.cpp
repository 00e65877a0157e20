#include "catalogue/mybar/bar.h"

#include "catalogue/mybar/vocabulary.h"
#include "platform/database/connection.h"

#include <QHash>
#include <algorithm>

namespace catalogue::mybar {

using platform::db::Statement;

namespace {

void addOnce(std::vector<int>& list, int value)
{
    if (std::find(list.begin(), list.end(), value) == list.end())
        list.push_back(value);
}

} // namespace

void Bar::load(platform::db::Connection& db)
{
    *this = Bar();
    Statement recipes(db.handle(), QStringLiteral("SELECT zkey, ifnull(DrinkName, '') FROM drinklst"));
    while (recipes.step())
        drinks_.push_back({recipes.int64(0), recipes.text(1).value_or(QString())});
    std::sort(drinks_.begin(), drinks_.end(), [](const Drink& a, const Drink& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.key < b.key;
    });
    QHash<qint64, int> drinkOf;
    for (int d = 0; d < int(drinks_.size()); ++d)
        drinkOf.insert(drinks_[size_t(d)].key, d);

    QHash<QString, QString> kindOf;
    for (const Ingredient& i : programVocabulary().ingredients)
        kindOf.insert(i.name, i.kind);
    QHash<QString, int> ingredientOf;
    const auto ingredientNamed = [&](const QString& name) {
        auto found = ingredientOf.find(name);
        if (found == ingredientOf.end()) {
            found = ingredientOf.insert(name, int(shelf_.size()));
            shelf_.push_back({name, kindOf.value(name, kOther), programVocabulary().staples.contains(name), false});
            neededBy_.emplace_back();
            usedBy_.emplace_back();
        }
        return *found;
    };

    needs_.resize(drinks_.size());
    Statement uses(db.handle(), QStringLiteral("SELECT zkey, ingredient, garnish FROM mybar_uses"));
    while (uses.step()) {
        const auto drink = drinkOf.constFind(uses.int64(0));
        if (drink == drinkOf.constEnd())
            continue;
        const int i = ingredientNamed(uses.text(1).value_or(QString()));
        shelf_[size_t(i)].used = true;
        addOnce(usedBy_[size_t(i)], *drink);
        if (uses.int64(2) == 0)
            addOnce(needs_[size_t(*drink)], i);
    }
    Statement stored(db.handle(), QStringLiteral("SELECT ingredient, on_hand FROM mybar_shelf"));
    while (stored.step())
        shelf_[size_t(ingredientNamed(stored.text(0).value_or(QString())))].onHand = stored.int64(1) != 0;

    missing_.assign(drinks_.size(), 0);
    for (int d = 0; d < int(drinks_.size()); ++d) {
        for (int i : needs_[size_t(d)]) {
            neededBy_[size_t(i)].push_back(d);
            missing_[size_t(d)] += shelf_[size_t(i)].onHand ? 0 : 1;
        }
    }
    for (std::vector<int>& drinks : usedBy_)
        std::sort(drinks.begin(), drinks.end());
}

int Bar::ingredient(const QString& name) const
{
    const auto found = std::find_if(shelf_.begin(), shelf_.end(), [&](const ShelfEntry& e) { return e.name == name; });
    return found == shelf_.end() ? -1 : int(found - shelf_.begin());
}

void Bar::setOnHand(int ingredient, bool onHand)
{
    ShelfEntry& entry = shelf_[size_t(ingredient)];
    if (entry.onHand == onHand)
        return;
    entry.onHand = onHand;
    for (int d : neededBy_[size_t(ingredient)])
        missing_[size_t(d)] += onHand ? -1 : 1;
}

std::vector<int> Bar::canMake() const
{
    std::vector<int> drinks;
    for (int d = 0; d < int(drinks_.size()); ++d)
        if (missing_[size_t(d)] == 0 && !needs_[size_t(d)].empty())
            drinks.push_back(d);
    return drinks;
}

std::vector<Missing> Bar::oneAway() const
{
    std::vector<Missing> drinks;
    for (int d = 0; d < int(drinks_.size()); ++d) {
        if (missing_[size_t(d)] != 1)
            continue;
        for (int i : needs_[size_t(d)])
            if (!shelf_[size_t(i)].onHand)
                drinks.push_back({d, i});
    }
    return drinks;
}

std::vector<Purchase> Bar::buyNext(int count) const
{
    std::vector<int> adds(shelf_.size(), 0);
    for (const Missing& m : oneAway())
        ++adds[size_t(m.ingredient)];
    std::vector<Purchase> best;
    for (int i = 0; i < int(adds.size()); ++i)
        if (adds[size_t(i)] > 0)
            best.push_back({i, adds[size_t(i)]});
    const auto before = [this](const Purchase& a, const Purchase& b) {
        return a.drinks != b.drinks ? a.drinks > b.drinks
                                    : shelf_[size_t(a.ingredient)].name < shelf_[size_t(b.ingredient)].name;
    };
    const size_t kept = std::min(best.size(), size_t(std::max(count, 0)));
    std::partial_sort(best.begin(), best.begin() + std::ptrdiff_t(kept), best.end(), before);
    best.resize(kept);
    return best;
}

std::vector<int> Bar::using_(const std::vector<int>& ingredients) const
{
    if (ingredients.empty())
        return {};
    std::vector<int> drinks = usedBy_[size_t(ingredients.front())];
    for (size_t n = 1; n < ingredients.size(); ++n) {
        const std::vector<int>& other = usedBy_[size_t(ingredients[n])];
        std::vector<int> both;
        std::set_intersection(drinks.begin(), drinks.end(), other.begin(), other.end(), std::back_inserter(both));
        drinks.swap(both);
    }
    return drinks;
}

void saveOnHand(platform::db::Connection& db, const QString& ingredient, bool onHand)
{
    Statement save(db.handle(),
                   QStringLiteral("INSERT OR REPLACE INTO main.mybar_shelf (ingredient, on_hand) VALUES (?1, ?2)"));
    save.bind(1, std::optional<QString>(ingredient));
    save.bind(2, qint64(onHand));
    save.step();
}

} // namespace catalogue::mybar
