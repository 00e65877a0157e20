// Shows one guide for a look: show_guide FORM [SELECTOR], e.g. show_guide frmLiquor lblGin.
#include "guides/open.h"
#include "platform/application.h"

#include <QWidget>

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    const QStringList args = app.arguments();
    QWidget* guide = guides::openGuide(args.value(1, QStringLiteral("frmGlasses")));
    if (!guide)
        return 2;
    if (args.size() > 2)
        QMetaObject::invokeMethod(guide, qPrintable(args[2] + QStringLiteral("_Click")));
    return app.exec();
}
