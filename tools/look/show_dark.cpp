// Not a test: the main window under a dark desktop palette, for screenshots. An action's name as
// the argument (mnuGlasses, mnuToasting, mnuHelpContents...) is triggered once the window is up.
#include "app/frmMain.h"
#include "catalogue/supplied.h"
#include "platform/application.h"
#include "platform/forms.h"

#include <QAction>
#include <QPalette>
#include <QTimer>

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    app.setStyle(QStringLiteral("Fusion"));
    QPalette dark;
    const QColor light(230, 230, 230);
    for (auto [role, color] : {std::pair{QPalette::Window, QColor(45, 45, 48)},
                               {QPalette::WindowText, light},
                               {QPalette::Base, QColor(30, 30, 30)},
                               {QPalette::Text, light},
                               {QPalette::Button, QColor(60, 60, 63)},
                               {QPalette::ButtonText, light},
                               {QPalette::ToolTipBase, QColor(60, 60, 63)},
                               {QPalette::ToolTipText, light}})
        dark.setColor(role, color);
    app.setPalette(dark);
    catalogue::supplied::install(catalogue::supplied::folder());
    QWidget* main = platform::forms::open(QStringLiteral("frmMain"), [] { return new app::frmMain; });
    if (argc > 1) {
        const QString action = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(300, main, [main, action] {
            if (auto* a = main->findChild<QAction*>(action))
                a->trigger();
        });
    }
    return app.exec();
}
