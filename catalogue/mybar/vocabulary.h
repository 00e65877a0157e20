#pragma once
// The ingredients My Bar knows, written in content/ingredients.txt: each canonical ingredient
// with its kind and other spellings, the staples a home bar always has, and the words that make
// a line a garnish. The program carries the text, compiled in.
#include "catalogue/categoryrules.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace catalogue::mybar {

struct Ingredient {
    QString name; // as the shelf shows it
    QString kind; // one of kinds()
    QStringList spellings;
};

struct Vocabulary {
    std::vector<Ingredient> ingredients;
    QStringList staples;
    QStringList garnishMarks;
    QString signature; // changes whenever the text does
};

// The kinds in the order the shelf shows them, each with its heading.
struct Kind {
    const char* key;
    const char* heading;
};
const std::vector<Kind>& kinds();
inline const QString kGarnishes = QStringLiteral("garnishes");
inline const QString kOther = QStringLiteral("other");

// Throws ContentError naming the line. Names and spellings are kept as written, lower-cased.
Vocabulary parseVocabulary(const QString& text);

// The vocabulary this program was built with.
const Vocabulary& programVocabulary();

} // namespace catalogue::mybar
