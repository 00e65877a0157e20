#pragma once
// What the look tools start from: a data folder of their own holding the recipe file built from
// the supplied content at its fixed path. Call after the application object exists.
#include "catalogue/compiler/builder.h"
#include "catalogue/schema.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

inline void installSuppliedCatalogue()
{
    const QString file = platform::paths::resolve(catalogue::kDatabasePath);
    QDir().mkpath(QFileInfo(file).absolutePath());
    catalogue::buildDatabase(file, catalogue::loadContent(QStringLiteral(ZESTREL_SOURCE_DIR "/content")));
}
