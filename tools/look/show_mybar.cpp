// Shows My Bar on the supplied catalogue with ten common bottles ticked, beside the main window,
// for a look under a virtual display. Arguments: [ingredients to tick, separated by commas].
#include "app/frmMain.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "tools/look/supplied.h"

#include <QTemporaryDir>
#include <QTreeWidget>

int main(int argc, char** argv)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    platform::Application app(argc, argv);
    installSuppliedCatalogue();

    const QStringList bottles
        = app.arguments()
              .value(1, QStringLiteral("gin,vodka,white rum,tequila,bourbon,triple sec,sweet vermouth,"
                                       "dry vermouth,lime juice,lemon juice"))
              .split(QLatin1Char(','));
    auto* main = new app::frmMain();
    main->move(0, 0);
    main->show();
    main->mnuMyBar_Click();
    QWidget* bar = platform::forms::find(QStringLiteral("frmMyBar"));
    bar->move(330, 330);
    auto* shelf = bar->findChild<QTreeWidget*>(QStringLiteral("lstShelf"));
    for (const QString& bottle : bottles)
        for (QTreeWidgetItem* item : shelf->findItems(bottle.trimmed(), Qt::MatchExactly | Qt::MatchRecursive))
            item->setCheckState(0, Qt::Checked);
    return app.exec();
}
