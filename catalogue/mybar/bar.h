#pragma once
// My Bar's reckoning, read once from the ingredient index and kept in memory so that a tick on
// the shelf changes only the drinks that use that ingredient: what can be made, what is one
// ingredient away, which bottles would add the most drinks, and which drinks use given ingredients.
#include <QString>
#include <QStringList>
#include <vector>

namespace platform::db {
class Connection;
}

namespace catalogue::mybar {

struct Drink {
    qint64 key; // drinklst's zkey
    QString name;
};

struct ShelfEntry {
    QString name;
    QString kind; // as the vocabulary gives it; "other" for an ingredient it does not know
    bool onHand = false;
    bool used = false; // some recipe uses it (a shelf entry may outlive every recipe using it)
};

struct Missing {
    int drink;
    int ingredient;
};

struct Purchase {
    int ingredient;
    int drinks; // how many drinks it alone would add to those that can be made
};

class Bar {
public:
    // Reads the recipes, the index and the shelf. Throws platform::db::Error.
    void load(platform::db::Connection& db);

    const std::vector<Drink>& drinks() const { return drinks_; } // sorted by name
    const std::vector<ShelfEntry>& shelf() const { return shelf_; }
    int ingredient(const QString& name) const; // -1 when no recipe or shelf entry names it

    // In memory only; the caller saves it (saveOnHand).
    void setOnHand(int ingredient, bool onHand);

    // Drinks with at least one ingredient that is no garnish, every one on hand; by name.
    std::vector<int> canMake() const;
    // Drinks missing exactly one such ingredient; by name.
    std::vector<Missing> oneAway() const;
    // The `count` ingredients that would each add the most drinks, most first (then by name).
    std::vector<Purchase> buyNext(int count) const;
    // Drinks that use every one of the ingredients (garnishes included); by name.
    std::vector<int> using_(const std::vector<int>& ingredients) const;

private:
    std::vector<Drink> drinks_;
    std::vector<ShelfEntry> shelf_;
    std::vector<std::vector<int>> needs_; // per drink: its ingredients that are no garnish
    std::vector<std::vector<int>> neededBy_; // per ingredient: the drinks that need it
    std::vector<std::vector<int>> usedBy_; // per ingredient: every drink naming it, ascending
    std::vector<int> missing_; // per drink: its needs not on hand
};

// Stores the tick at once, in the file itself (never in a connection's temporary shelf). Throws
// platform::db::Error for a file that cannot be written or has no shelf.
void saveOnHand(platform::db::Connection& db, const QString& ingredient, bool onHand);

} // namespace catalogue::mybar
