#pragma once
// Recipe files: which format a file is in, reading one that came from outside (checked before
// anything of it is used) and writing one in one step.
#include "catalogue/schema.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace catalogue::transfer {

// A recipe as a file gives it, before the catalogue's limits are applied: any number of
// ingredient lines, texts of any length.
struct Incoming {
    QString name, glass, directions;
    std::vector<std::pair<QString, QString>> lines; // quantity, ingredient; empty lines keep their place
};

enum class Format { Json, Csv };

// A recipe's columns as UTF-8 in the order of recipeColumns(), empty for an empty column; and
// where the rows of an export come from: it fills the row and says true, or says false at the end.
using Utf8Row = std::array<QByteArrayView, 23>;
using NextRow = std::function<bool(Utf8Row&)>;

// The largest file read.
constexpr qint64 kMostBytes = 50 * 1024 * 1024;

// The format a file name's extension names ("json", "csv", any case); nothing for another.
std::optional<Format> formatOf(const QString& path);
// The format named on a command line ("json", "csv"); nothing for another.
std::optional<Format> formatNamed(const QString& name);

// The recipes of a file's contents in the format its extension names. Throws platform::Failure
// with the reason when the text is not UTF-8 or not what the format requires.
std::vector<Incoming> readRecipes(const QByteArray& bytes, Format format);

// The recipes of the file; throws platform::Failure with one sentence naming the file and why
// nothing of it was imported: missing, unreadable, over kMostBytes, an extension that names no
// recipe format, or contents refused by readRecipes().
std::vector<Incoming> readRecipeFile(const QString& path);

// Writes the rows to the file, which takes its place whole or not at all. Throws
// platform::Failure.
void writeRecipeFile(const QString& path, const NextRow& next, Format format);

} // namespace catalogue::transfer
