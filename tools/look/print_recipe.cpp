// Prints recipes of the supplied content to PDF files, for a look at the printout.
// Arguments: OUTPUT-FOLDER NAME...; each recipe goes to OUTPUT-FOLDER/<name>.pdf.
#include "tests/catalogue/printing.h"
#include "platform/application.h"
#include "platform/printer.h"

#include <QDir>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: print_recipe OUTPUT-FOLDER NAME...\n");
        return 2;
    }
    const auto content = catalogue::loadContent(QStringLiteral(ZESTREL_SOURCE_DIR "/content"));
    const auto measure = printing::measuringBox();
    int missing = 0;
    for (const QString& name : args.mid(1)) {
        const auto found = std::find_if(content.recipes.begin(), content.recipes.end(),
                                        [&](const catalogue::Recipe& r) { return r.name == name; });
        if (found == content.recipes.end()) {
            std::fprintf(stderr, "no recipe named %s\n", qPrintable(name));
            ++missing;
            continue;
        }
        platform::printer::setDefaultToFile(QDir(args[0]).filePath(name + QStringLiteral(".pdf")));
        catalogue::printRecipe(printing::fieldsOf(*found), *measure);
    }
    return missing == 0 ? 0 : 1;
}
