#pragma once
// Recipes as JSON: Zestrel's own format (docs/recipe-format.md), written and read losslessly,
// and on reading also the array of drinks that open cocktail lists publish (commonshape.h).
#include "catalogue/transfer/recipefile.h"

namespace catalogue::transfer {

// An object {"format": "zestrel-recipes", "version": 1, "recipes": [...]}, UTF-8.
QByteArray toJson(const NextRow& next);

// Throws platform::Failure when the text is not JSON, is cut short, or is neither shape.
std::vector<Incoming> fromJson(const QString& text);

} // namespace catalogue::transfer
