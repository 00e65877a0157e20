// Zestrel's system information tool: what the system, its memory, its displays and the
// libraries in use are, in one window. The About box starts it.
#include "platform/commandline.h"
#include "tools/sysinfo/facts.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows what the system, its memory, its displays and the libraries in use are."));
    if (const auto exitCode = platform::commandline::parse(parser, platform::commandline::arguments(argc, argv)))
        return *exitCode;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zestrel System Information"));

    QWidget window;
    window.setObjectName(QStringLiteral("frmSysInfo"));
    window.setWindowTitle(QStringLiteral("Zestrel System Information"));

    auto* tvwFacts = new QTreeWidget(&window);
    tvwFacts->setObjectName(QStringLiteral("tvwFacts"));
    tvwFacts->setHeaderLabels({QStringLiteral("Item"), QStringLiteral("Value")});
    tvwFacts->setRootIsDecorated(true);
    for (const sysinfo::Section& section : sysinfo::gather()) {
        auto* top = new QTreeWidgetItem(tvwFacts, {section.title});
        QFont bold = top->font(0);
        bold.setBold(true);
        top->setFont(0, bold);
        for (const sysinfo::Fact& fact : section.facts)
            new QTreeWidgetItem(top, {fact.name, fact.value});
    }
    tvwFacts->expandAll();
    tvwFacts->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    auto* cmdClose = new QPushButton(QStringLiteral("Close"), &window);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    QObject::connect(cmdClose, &QPushButton::clicked, &window, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(tvwFacts);
    layout->addLayout(buttons);

    window.resize(620, 560);
    window.show();
    window.raise();
    window.activateWindow();
    return app.exec();
}
