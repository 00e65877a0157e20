// Recipes in and out of the main window: export of the list on show, import of a file, the
// recipe on show as a PDF file laid out as its printout, and the backups.
#include "app/frmMain.h"
#include "app/frmRestore.h"
#include "catalogue/printout.h"
#include "catalogue/schema.h"
#include "catalogue/transfer/transfers.h"
#include "platform/controls.h"
#include "platform/database/connection.h"
#include "platform/datacontrol.h"
#include "platform/filedialog.h"
#include "platform/forms.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

#include <QFileInfo>

namespace app {

namespace transfer = catalogue::transfer;

QString frmMain::recipeFile() const { return platform::paths::resolve(Data1->DatabaseName()); }

void frmMain::mnuExport_Click()
{
    const QString path = platform::filedialog::save(this, QStringLiteral("Export Recipes"),
                                                    QStringLiteral("Recipes (*.json);;Spreadsheets (*.csv)"));
    if (path.isEmpty())
        return;
    platform::db::Connection db(recipeFile(), Data1->Connect());
    const qsizetype count = transfer::exportList(db, Data1->RecordSource(), path,
                                                 transfer::formatOf(path).value_or(transfer::Format::Json));
    platform::msgbox::show(
        QStringLiteral("Exported %1 %2 to \"%3\".")
            .arg(count)
            .arg(count == 1 ? QStringLiteral("recipe") : QStringLiteral("recipes"), QFileInfo(path).fileName()),
        platform::msgbox::Icon::None, QString(), this);
}

void frmMain::mnuImport_Click()
{
    const QString path = platform::filedialog::open(this, QStringLiteral("Import Recipes"),
                                                    QStringLiteral("Recipe files (*.json *.csv)"));
    if (path.isEmpty())
        return;
    transfer::ImportSummary summary;
    {
        platform::db::Connection db(recipeFile(), Data1->Connect());
        summary = transfer::importFile(db, path);
    }
    Data1->Refresh();
    platform::msgbox::show(summary.details(), platform::msgbox::Icon::None, QString(), this);
}

void frmMain::mnuSavePdf_Click()
{
    const QString path = platform::filedialog::save(this, QStringLiteral("Save Recipe as PDF"),
                                                    QStringLiteral("PDF documents (*.pdf)"));
    if (!path.isEmpty())
        catalogue::printRecipe(shownFields(), *Picture1, path);
}

void frmMain::mnuRestore_Click()
{
    const QString database = recipeFile();
    platform::forms::open(QStringLiteral("frmRestore"),
                          [this, database] { return new frmRestore(database, [this] { Data1->Refresh(); }); });
}

} // namespace app
