#include "guides/open.h"

#include "guides/glasses.h"
#include "guides/liquor.h"
#include "guides/utensils.h"
#include "platform/forms.h"

namespace guides {

namespace {

template<class Window>
QWidget* make()
{
    return new Window;
}

} // namespace

QWidget* openGuide(const QString& formName)
{
    struct Guide {
        const Definition& definition;
        QWidget* (*make)();
    };
    const Guide known[] = {
        {glasses(), make<frmGlasses>},
        {utensils(), make<frmUtensils>},
        {liquor(), make<frmLiquor>},
    };
    for (const Guide& g : known) {
        if (g.definition.formName == formName)
            return platform::forms::open(formName, g.make);
    }
    return nullptr;
}

} // namespace guides
