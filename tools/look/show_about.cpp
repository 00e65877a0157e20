// Not a test: shows the About box over a stand-in owner window, for screenshots.
#include "app/frmAbout.h"
#include "platform/application.h"

using app::frmAbout;

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    QWidget owner;
    owner.setWindowTitle(QStringLiteral("Zestrel"));
    owner.resize(720, 540);
    owner.show();
    frmAbout box(&owner);
    return box.exec() == QDialog::Accepted ? 0 : 1;
}
