#pragma once
// The criteria of the recipe name search.
#include <QString>

namespace catalogue {

// DrinkName Like '*text*': a recipe matches when its name holds the text anywhere, ignoring
// letter case. Pattern characters the user types (* ? # [) keep their meaning; a quote is
// doubled inside the quoted pattern, so it is matched as itself instead of ending the pattern.
QString nameSearchCriteria(const QString& text);

} // namespace catalogue
