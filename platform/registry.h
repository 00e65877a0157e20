#pragma once
// Machine-wide registry values: keys by path under HKEY_LOCAL_MACHINE, typed values by name.
// They are kept in one file under the data root, <dataRoot>/registry/HKEY_LOCAL_MACHINE.json.
// Key paths ("SOFTWARE\Microsoft\Shared Tools\MSINFO") and value names ignore letter case; a key
// exists once a value is written in it or in a key below it. Text is held in its 8-bit form,
// UTF-8 (the system's own), and a REG_SZ value's data ends in its terminating zero character.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace platform::registry {

using Handle = std::uint32_t;
using Status = long;             // ERROR_SUCCESS or one of the error codes below

constexpr Handle HKEY_LOCAL_MACHINE = 0x80000002u;

constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_DWORD = 4;

constexpr std::uint32_t KEY_QUERY_VALUE = 0x0001;
constexpr std::uint32_t KEY_SET_VALUE = 0x0002;

constexpr Status ERROR_SUCCESS = 0;
constexpr Status ERROR_FILE_NOT_FOUND = 2;    // no such key or value
constexpr Status ERROR_ACCESS_DENIED = 5;     // the key was opened without KEY_QUERY_VALUE
constexpr Status ERROR_INVALID_HANDLE = 6;    // not an open key (or not HKEY_LOCAL_MACHINE)
constexpr Status ERROR_INVALID_PARAMETER = 87;
constexpr Status ERROR_MORE_DATA = 234;       // the buffer is smaller than the data

// Where the System Information tool is registered: value "PATH", the full path of its program.
inline const QString sysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString sysInfoPathValue = QStringLiteral("PATH");

// Opens the key at `path` under `root` (HKEY_LOCAL_MACHINE) with the access mask asked for;
// `options` must be 0. On success *result is a new handle, to be closed with closeKey.
Status openKey(Handle root, const QString& path, std::uint32_t options, std::uint32_t access,
               Handle* result);

// Reads value `name` of an open key. *size is the buffer's size on entry and the data's length
// on return; a null `data` asks only for the type and the length. When the buffer is too small
// nothing is copied, *size is the length needed and the result is ERROR_MORE_DATA.
Status queryValue(Handle key, const QString& name, std::uint32_t* type, char* data,
                  std::uint32_t* size);

// Closing anything that is not an open key (0, a key already closed) is ERROR_INVALID_HANDLE.
Status closeKey(Handle key);

// Writes a value under HKEY_LOCAL_MACHINE, creating the key as needed; a value of the same name
// (in any letter case) is replaced. False when the store cannot be read back or written.
bool setValue(const QString& path, const QString& name, std::uint32_t type, const QByteArray& data);

// The data of a REG_SZ value holding `text`, and of a REG_DWORD value holding `number`.
QByteArray stringData(const QString& text);
QByteArray dwordData(std::uint32_t number);

// The file that holds the values.
QString storeFile();

} // namespace platform::registry
