#include "platform/registry.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>
#include <cstring>
#include <map>
#include <optional>

// The store: {"<key path>": {"<value name>": {"type": 1, "data": "<hex bytes>"}}}, each key and
// value name as first written.
namespace platform::registry {

namespace {

struct OpenKey {
    QString path;
    std::uint32_t access;
};

std::map<Handle, OpenKey>& openKeys()
{
    static std::map<Handle, OpenKey> keys;
    return keys;
}

Handle nextHandle()
{
    static Handle last = 0x100;
    last += 4;
    return last;
}

// "\SOFTWARE\\Microsoft\" -> "SOFTWARE\Microsoft".
QString normalised(const QString& path)
{
    return path.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

bool samePath(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The store's contents: empty when there is no file, nothing when it cannot be read.
std::optional<QJsonObject> load()
{
    QFile file(storeFile());
    if (!file.exists())
        return QJsonObject();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

bool save(const QJsonObject& store)
{
    if (!QDir().mkpath(QFileInfo(storeFile()).path()))
        return false;
    QSaveFile file(storeFile());
    return file.open(QIODevice::WriteOnly)
        && file.write(QJsonDocument(store).toJson(QJsonDocument::Indented)) >= 0 && file.commit();
}

// The name of the entry of `object` that matches `name` in any letter case.
std::optional<QString> storedName(const QJsonObject& object, const QString& name)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (samePath(it.key(), name))
            return it.key();
    }
    return std::nullopt;
}

bool keyExists(const QJsonObject& store, const QString& path)
{
    if (path.isEmpty())
        return true;
    const QString below = path + u'\\';
    for (auto it = store.begin(); it != store.end(); ++it) {
        if (samePath(it.key(), path) || it.key().startsWith(below, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

Status openKey(Handle root, const QString& path, std::uint32_t options, std::uint32_t access,
               Handle* result)
{
    if (root != HKEY_LOCAL_MACHINE)
        return ERROR_INVALID_HANDLE;
    if (options != 0 || !result)
        return ERROR_INVALID_PARAMETER;
    const std::optional<QJsonObject> store = load();
    const QString key = normalised(path);
    if (!store || !keyExists(*store, key))
        return ERROR_FILE_NOT_FOUND;
    *result = nextHandle();
    openKeys()[*result] = OpenKey{key, access};
    return ERROR_SUCCESS;
}

Status queryValue(Handle key, const QString& name, std::uint32_t* type, char* data,
                  std::uint32_t* size)
{
    const auto open = openKeys().find(key);
    if (open == openKeys().end())
        return ERROR_INVALID_HANDLE;
    if (!(open->second.access & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;

    const std::optional<QJsonObject> store = load();
    if (!store)
        return ERROR_FILE_NOT_FOUND;
    const std::optional<QString> keyName = storedName(*store, open->second.path);
    const QJsonObject values = keyName ? store->value(*keyName).toObject() : QJsonObject();
    const std::optional<QString> valueName = storedName(values, name);
    if (!valueName)
        return ERROR_FILE_NOT_FOUND;
    const QJsonObject value = values.value(*valueName).toObject();
    const QByteArray bytes = QByteArray::fromHex(value.value(QStringLiteral("data")).toString().toLatin1());

    if (type)
        *type = static_cast<std::uint32_t>(value.value(QStringLiteral("type")).toInteger());
    const auto length = static_cast<std::uint32_t>(bytes.size());
    if (data && *size < length) {
        *size = length;
        return ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, bytes.constData(), length);
    if (size)
        *size = length;
    return ERROR_SUCCESS;
}

Status closeKey(Handle key)
{
    return openKeys().erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

bool setValue(const QString& path, const QString& name, std::uint32_t type, const QByteArray& data)
{
    std::optional<QJsonObject> store = load();
    if (!store)
        return false;
    const QString key = normalised(path);
    const QString keyName = storedName(*store, key).value_or(key);
    QJsonObject values = store->value(keyName).toObject();
    const QString valueName = storedName(values, name).value_or(name);
    values.insert(valueName, QJsonObject{{QStringLiteral("type"), static_cast<qint64>(type)},
                                         {QStringLiteral("data"), QString::fromLatin1(data.toHex(' '))}});
    store->insert(keyName, values);
    return save(*store);
}

QByteArray stringData(const QString& text)
{
    return text.toUtf8() + '\0';
}

QByteArray dwordData(std::uint32_t number)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xff);
    return bytes;
}

QString storeFile()
{
    return paths::dataRoot() + QStringLiteral("/registry/HKEY_LOCAL_MACHINE.json");
}

} // namespace platform::registry
