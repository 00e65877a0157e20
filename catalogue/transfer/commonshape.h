#pragma once
// The array of drinks that open cocktail lists commonly publish: objects with "name", "glass",
// an optional "category", "ingredients" (each an amount in cl, oz or ml with an "ingredient" and
// an optional "label", or a "special" line of text), "garnish" and "preparation".
#include "catalogue/transfer/recipefile.h"

#include <QJsonArray>

namespace catalogue::transfer {

// The drinks of the array as recipes. The category is left to the catalogue's own rules.
// Throws platform::Failure when an element is not of the shape.
std::vector<Incoming> fromCommonShape(const QJsonArray& drinks);

// The catalogue's glass name that plainly fits a glass named elsewhere ("martini" -> "Cocktail",
// "old-fashioned" -> "Old-Fashioned"), or the name as given.
QString catalogueGlass(const QString& glass);

// A "special" line as a quantity and an ingredient: a clear leading amount with its unit split
// off ("2 dashes", "1 tsp"), else the whole line as the ingredient with an empty quantity.
std::pair<QString, QString> splitSpecial(const QString& line);

} // namespace catalogue::transfer
