#include "app/commandline.h"

#include "catalogue/schema.h"
#include "catalogue/transfer/backups.h"
#include "catalogue/transfer/transfers.h"
#include "catalogue/upgrade.h"
#include "platform/commandline.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/identity.h"
#include "platform/paths.h"

#include <QFileInfo>
#include <cstdio>

namespace app::commandline {

namespace transfer = catalogue::transfer;

namespace {

Request exitWith(int code)
{
    Request request;
    request.action = Request::Action::Exit;
    request.exitCode = code;
    return request;
}

int misuse(const QStringList& arguments, const QString& text)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n",
                 qPrintable(QFileInfo(arguments.value(0)).fileName()), qPrintable(text),
                 qPrintable(QFileInfo(arguments.value(0)).fileName()));
    return 2;
}

QString perform(const Request& request, platform::db::Connection& db)
{
    switch (request.action) {
    case Request::Action::Export: {
        const qsizetype count = transfer::exportList(db, QStringLiteral("drinklst"), request.file, request.format);
        return QStringLiteral("Exported %1 recipes to %2.").arg(count).arg(request.file);
    }
    case Request::Action::Import: {
        const transfer::ImportSummary summary = transfer::importFile(db, request.file);
        for (const transfer::ImportSummary::Skipped& s : summary.skipped)
            std::fprintf(stderr, "zestrel: skipped \"%s\": %s.\n", qPrintable(s.name), qPrintable(s.reason));
        return summary.line();
    }
    case Request::Action::Backup:
        return QStringLiteral("Backed up the recipes to %1.").arg(transfer::backups::make(db));
    case Request::Action::Start:
    case Request::Action::Exit:
        break;
    }
    return QString();
}

} // namespace

Request read(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zestrel, the home bartender's companion: mixed-drink recipes, bar jokes, toasts, drinking "
                       "games and bar guides.\n\nWith --export, --import or --backup it opens no window: it does "
                       "that one thing, prints one line, and ends with 0, or with 1 and the reason."));
    const QCommandLineOption exportOption(QStringLiteral("export"),
                                          QStringLiteral("Writes every recipe to FILE (JSON, or CSV by --format or a "
                                                         "name ending in .csv)."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("The format of --export: json or csv."),
                                    QStringLiteral("json|csv"));
    const QCommandLineOption importOption(QStringLiteral("import"),
                                          QStringLiteral("Adds the recipes of FILE (.json or .csv), after a backup."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption backup(QStringLiteral("backup"),
                                    QStringLiteral("Copies the recipe database into its backups folder."));
    parser.addOptions({exportOption, format, importOption, backup});
    if (const auto exitCode = platform::commandline::parse(parser, arguments))
        return exitWith(*exitCode);

    const int actions = int(parser.isSet(exportOption)) + int(parser.isSet(importOption)) + int(parser.isSet(backup));
    if (actions > 1)
        return exitWith(misuse(arguments, QStringLiteral("Give one of --export, --import and --backup.")));
    if (parser.isSet(format) && !parser.isSet(exportOption))
        return exitWith(misuse(arguments, QStringLiteral("--format goes with --export.")));
    Request request;
    if (parser.isSet(exportOption)) {
        request.action = Request::Action::Export;
        request.file = parser.value(exportOption);
        const auto named
            = parser.isSet(format) ? transfer::formatNamed(parser.value(format)) : transfer::formatOf(request.file);
        if (parser.isSet(format) && !named)
            return exitWith(misuse(arguments, QStringLiteral("Unknown format '%1'.").arg(parser.value(format))));
        request.format = named.value_or(transfer::Format::Json);
    } else if (parser.isSet(importOption)) {
        request.action = Request::Action::Import;
        request.file = parser.value(importOption);
    } else if (parser.isSet(backup)) {
        request.action = Request::Action::Backup;
    }
    return request;
}

int perform(const Request& request)
{
    try {
        platform::db::Connection db(platform::paths::resolve(catalogue::kDatabasePath), catalogue::kConnect);
        catalogue::prepareCatalogue(db);
        std::printf("%s\n", qPrintable(perform(request, db)));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zestrel: %s\n", e.what());
        return 1;
    }
}

} // namespace app::commandline
