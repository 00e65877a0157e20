// The main window's keys beyond its menus' own: Ctrl+F to the search box, Return there for
// "Search...", F3 for "Find Next...", Page Up and Page Down for "Previous" and "Next". Each
// presses its button, so it does what the button does, and nothing while the button is disabled.
#include "app/frmMain.h"
#include "platform/controls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace app {

void frmMain::buildKeys()
{
    const auto pressing = [this](const char* key, const char* button) {
        auto* target = findChild<QPushButton*>(QLatin1String(button));
        connect(new QShortcut(QKeySequence(QLatin1String(key)), this), &QShortcut::activated, target,
                &QPushButton::click);
    };
    pressing("F3", "cmdFindNext");
    pressing("PgUp", "cmdPrevious");
    pressing("PgDown", "cmdNext");

    connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), this), &QShortcut::activated, this,
            [this] { txtSearchString->setFocus(Qt::ShortcutFocusReason); });
    connect(static_cast<QLineEdit*>(txtSearchString->editor()), &QLineEdit::returnPressed,
            findChild<QPushButton*>(QStringLiteral("cmdSearch")), &QPushButton::click);
}

} // namespace app
