#include "app/frmRestore.h"

#include "catalogue/transfer/backups.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/handlers.h"
#include "platform/msgbox.h"
#include "platform/windowparts.h"

#include <QListWidget>
#include <QLocale>
#include <QPushButton>

namespace app {

namespace backups = catalogue::transfer::backups;

namespace {

constexpr int kPathRole = Qt::UserRole;

QString describe(const backups::Backup& b)
{
    const QString when = QLocale().toString(b.taken, QLocale::LongFormat).section(QLatin1Char(' '), 0, -2);
    if (b.recipes < 0)
        return QStringLiteral("%1 (cannot be read)").arg(when);
    return QStringLiteral("%1, %2 %3")
        .arg(when)
        .arg(b.recipes)
        .arg(b.recipes == 1 ? QStringLiteral("recipe") : QStringLiteral("recipes"));
}

} // namespace

frmRestore::frmRestore(const QString& database, std::function<void()> restored)
    : database_(database)
    , restored_(std::move(restored))
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(QStringLiteral("Restore Backup"));
    platform::makeToolWindow(this);
    platform::twips::setClientSize(this, 6000, 3600);
    auto* label
        = platform::makeLabel(this, QStringLiteral("lblBackups"), QStringLiteral("&Backups, newest first:"), font());
    platform::placeLabel(label, 120, 120, 5760, 255);
    lstBackups = new QListWidget(this);
    lstBackups->setObjectName(QStringLiteral("lstBackups"));
    label->setBuddy(lstBackups);
    platform::nameAfterLabel(lstBackups, label->text());
    platform::twips::place(lstBackups, 120, 420, 5760, 2520);
    auto* cmdRestore = platform::makeCommandButton(this, QStringLiteral("cmdRestore"), QStringLiteral("&Restore"), 3480,
                                                   3120, 1140, 360);
    auto* cmdClose = platform::makeCommandButton(this, QStringLiteral("cmdClose"), QStringLiteral("&Close"), 4740, 3120,
                                                 1140, 360);
    platform::connectHandler(cmdRestore, &QPushButton::clicked, this, &frmRestore::cmdRestore_Click);
    platform::connectHandler(cmdClose, &QPushButton::clicked, this, &frmRestore::cmdClose_Click);
    platform::connectHandler(lstBackups, &QListWidget::itemActivated, this, [this] { cmdRestore_Click(); });
    fillList();
}

void frmRestore::fillList()
{
    lstBackups->clear();
    for (const backups::Backup& b : backups::list(database_)) {
        auto* item = new QListWidgetItem(describe(b), lstBackups);
        item->setData(kPathRole, b.path);
    }
    lstBackups->setCurrentRow(0);
}

void frmRestore::cmdRestore_Click()
{
    const QListWidgetItem* item = lstBackups->currentItem();
    if (!item) {
        platform::msgbox::show(QStringLiteral("There is no backup to restore yet."), platform::msgbox::Icon::None,
                               QString(), this);
        return;
    }
    if (!platform::msgbox::ask(QStringLiteral("Put the recipes back as they were in the backup of %1?\n\n"
                                              "The recipes as they are now are kept as one more backup.")
                                   .arg(item->text()),
                               platform::msgbox::Icon::Warning, QString(), this))
        return;
    backups::restore(database_, item->data(kPathRole).toString());
    if (restored_)
        restored_();
    fillList();
}

void frmRestore::cmdClose_Click() { close(); }

} // namespace app
