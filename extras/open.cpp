#include "extras/open.h"

#include "extras/collectionwindow.h"
#include "extras/games.h"
#include "platform/forms.h"

namespace extras {

QWidget* openCollection(const QString& formName)
{
    const CollectionDefinition* definition = findCollection(formName);
    if (!definition)
        return nullptr;
    return platform::forms::open(formName, [definition] { return new CollectionWindow(*definition); });
}

QWidget* openGames()
{
    return platform::forms::open(QStringLiteral("frmGames"), [] { return new frmGames; });
}

} // namespace extras
