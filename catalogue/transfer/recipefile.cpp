#include "catalogue/transfer/recipefile.h"

#include "catalogue/transfer/csvformat.h"
#include "catalogue/transfer/jsonformat.h"
#include "platform/identity.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace catalogue::transfer {

std::optional<Format> formatOf(const QString& path) { return formatNamed(QFileInfo(path).suffix()); }

std::optional<Format> formatNamed(const QString& name)
{
    if (name.compare(QLatin1String("json"), Qt::CaseInsensitive) == 0)
        return Format::Json;
    if (name.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return Format::Csv;
    return std::nullopt;
}

std::vector<Incoming> readRecipes(const QByteArray& bytes, Format format)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError() || text.contains(QChar(0)))
        throw platform::Failure(QStringLiteral("it is not UTF-8 text."));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return format == Format::Json ? fromJson(text) : fromCsv(text);
}

std::vector<Incoming> readRecipeFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString& reason) {
        return platform::Failure(QStringLiteral("Nothing was imported from \"%1\": %2").arg(name, reason));
    };
    const auto format = formatOf(path);
    if (!format)
        throw refuse(QStringLiteral("Zestrel imports recipe files ending in .json or .csv."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw refuse(QStringLiteral("it cannot be read (%1).").arg(file.errorString()));
    if (file.size() > kMostBytes)
        throw refuse(QStringLiteral("it is over 50 MB, more than any recipe file."));
    const QByteArray bytes = file.read(kMostBytes + 1);
    if (bytes.size() > kMostBytes)
        throw refuse(QStringLiteral("it is over 50 MB, more than any recipe file."));
    try {
        return readRecipes(bytes, *format);
    } catch (const platform::Failure& e) {
        throw refuse(QString::fromUtf8(e.what()));
    }
}

void writeRecipeFile(const QString& path, const NextRow& next, Format format)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw platform::Failure(QStringLiteral("\"%1\" cannot be written: %2.").arg(path, file.errorString()));
    file.write(format == Format::Json ? toJson(next) : toCsv(next));
    if (!file.commit())
        throw platform::Failure(QStringLiteral("\"%1\" cannot be written: %2.").arg(path, file.errorString()));
}

} // namespace catalogue::transfer
