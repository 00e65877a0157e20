#pragma once
// The help file as it lies on disk: a line naming the format, the SHA-256 of everything after the
// header, then the topics packed as a Qt binary resource. The resource reader trusts every offset
// it finds, so a help file is checked whole, checksum and offsets, before any of it is mapped in.
#include <QByteArray>
#include <optional>

namespace helpviewer {

// The help file made from a packed resource (what the build's packer writes).
QByteArray sealHelp(const QByteArray& resource);

// The packed resource of a help file; nullopt when the bytes do not start with the header or the
// rest does not match its checksum, or the resource's offsets point outside it.
std::optional<QByteArray> unsealHelp(const QByteArray& file);

} // namespace helpviewer
