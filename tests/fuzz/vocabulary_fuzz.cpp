// libFuzzer target for the parser of My Bar's ingredients file (content/ingredients.txt; start
// from it as the seed). A text is either refused with a ContentError or read into a vocabulary
// whose every ingredient has a known kind and whose spellings are each named once.
#include "catalogue/mybar/vocabulary.h"

#include <QSet>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const catalogue::mybar::Vocabulary v = catalogue::mybar::parseVocabulary(text);
        QSet<QString> spellings;
        for (const catalogue::mybar::Ingredient& i : v.ingredients) {
            const auto& kinds = catalogue::mybar::kinds();
            if (std::none_of(kinds.begin(), kinds.end(), [&](const auto& k) { return i.kind == QLatin1String(k.key); }))
                __builtin_trap();
            for (const QString& s : QStringList(i.name) + i.spellings) {
                if (s.isEmpty() || spellings.contains(s))
                    __builtin_trap();
                spellings.insert(s);
            }
        }
    } catch (const catalogue::ContentError&) {
    }
    return 0;
}
