#include "tools/helpviewer/seal.h"

#include <QCryptographicHash>
#include <vector>

namespace helpviewer {

namespace {
const QByteArray kMagic = QByteArrayLiteral("Zestrel help file 1\n");
constexpr qsizetype kDigestSize = 32;

QByteArray digest(QByteArrayView bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }

quint32 number(QByteArrayView bytes, qsizetype at, int size)
{
    quint32 n = 0;
    for (int i = 0; i < size; ++i)
        n = n << 8 | quint8(bytes[at + i]);
    return n;
}

// True when every offset of the packed resource that the resource reader will follow lies inside
// it: the header, each tree entry reachable from the root, its name, and a file's data. Children
// come after their directory, so the walk ends; each entry is looked at once.
bool wellFormed(QByteArrayView r)
{
    constexpr qsizetype kHeader = 20; // "qres", version, tree, data and names offsets
    if (r.size() < kHeader || !r.startsWith("qres"))
        return false;
    const quint32 version = number(r, 4, 4);
    const qsizetype tree = number(r, 8, 4), data = number(r, 12, 4), names = number(r, 16, 4);
    if (version < 1 || version > 3 || (version == 3 && r.size() < kHeader + 4))
        return false;
    const qsizetype entry = version >= 2 ? 22 : 14;
    const auto inside = [&](qsizetype at, qsizetype size) { return at >= 0 && size >= 0 && at <= r.size() - size; };
    const qsizetype entries = (r.size() - tree) / entry;
    if (tree > r.size() || entries < 1)
        return false;
    std::vector<bool> seen(size_t(entries), false);
    std::vector<qsizetype> todo{0};
    while (!todo.empty()) {
        const qsizetype node = todo.back();
        todo.pop_back();
        if (seen[size_t(node)])
            continue;
        seen[size_t(node)] = true;
        const qsizetype at = tree + node * entry;
        const qsizetype name = names + number(r, at, 4);
        const quint32 flags = number(r, at + 4, 2);
        if (!inside(name, 6) || !inside(name + 6, 2 * qsizetype(number(r, name, 2))) || (flags & ~quint32(7)) != 0)
            return false;
        if (node == 0 && !(flags & 2))
            return false; // the reader takes the root for a directory
        if (flags & 2) { // a directory: its children's entries
            const qsizetype count = number(r, at + 6, 4), first = number(r, at + 10, 4);
            if (first <= node || count > entries || first > entries - count)
                return false;
            for (qsizetype child = first; child < first + count; ++child)
                todo.push_back(child);
        } else if (const qsizetype file = data + number(r, at + 10, 4);
                   !inside(file, 4) || !inside(file + 4, number(r, file, 4))) {
            return false;
        }
    }
    return true;
}
} // namespace

QByteArray sealHelp(const QByteArray& resource) { return kMagic + digest(resource) + resource; }

std::optional<QByteArray> unsealHelp(const QByteArray& file)
{
    const qsizetype header = kMagic.size() + kDigestSize;
    if (file.size() < header || !file.startsWith(kMagic))
        return std::nullopt;
    const QByteArrayView rest = QByteArrayView(file).sliced(header);
    if (digest(rest) != QByteArrayView(file).sliced(kMagic.size(), kDigestSize) || !wellFormed(rest))
        return std::nullopt;
    return rest.toByteArray();
}

} // namespace helpviewer
