#pragma once
// Adding imported recipes to the catalogue, in one transaction, by these rules:
// - a recipe without a name is skipped;
// - a recipe with more than ten ingredient lines, or a name, quantity or ingredient over 50
//   characters, is skipped with its reason: nothing is ever cut to fit;
// - a recipe whose name (ignoring letter case) and ingredient lines equal those of a recipe
//   already in the catalogue, or earlier in the same file, is skipped as a duplicate;
// - a recipe whose name another recipe already has gets the suffix " (imported)", or
//   " (imported 2)" and on, the first that is free.
#include "catalogue/transfer/recipefile.h"

#include <QStringList>

namespace platform::db {
class Connection;
}

namespace catalogue::transfer {

struct ImportSummary {
    int imported = 0;
    struct Skipped {
        QString name, reason;
    };
    std::vector<Skipped> skipped;
    QStringList renamed; // the new names given under the suffix rule

    // "Imported 3 recipes, skipped 2." and, for the window, one line per skipped recipe.
    QString line() const;
    QString details() const;
};

// Throws platform::db::Error when the file cannot be written; then nothing of it is added.
ImportSummary addRecipes(platform::db::Connection& db, const std::vector<Incoming>& recipes);

} // namespace catalogue::transfer
