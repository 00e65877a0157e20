#include "catalogue/namesearch.h"

namespace catalogue {

QString nameSearchCriteria(const QString& text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return QStringLiteral("DrinkName Like '*") + quoted + QStringLiteral("*'");
}

} // namespace catalogue
