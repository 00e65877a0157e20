// Zestrel starts with its splash window and nothing else.
#include "app/frmSplash.h"
#include "platform/application.h"
#include "platform/forms.h"

using app::frmSplash;

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    platform::forms::open(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    return app.exec();
}
