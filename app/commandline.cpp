#include "app/commandline.h"

#include "platform/commandline.h"

namespace app::commandline {

Request read(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zestrel, the home bartender's companion: mixed-drink recipes, bar jokes, toasts, drinking "
                       "games and bar guides."));
    if (const auto exitCode = platform::commandline::parse(parser, arguments))
        return {Request::Action::Exit, *exitCode};
    return {};
}

} // namespace app::commandline
