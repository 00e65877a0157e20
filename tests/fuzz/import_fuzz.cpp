// libFuzzer target for the recipe file readers. The first byte chooses the format (even: JSON,
// which is our own object or the common drinks array; odd: CSV), the rest is the file.
#include "catalogue/transfer/recipefile.h"
#include "platform/identity.h"
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    using catalogue::transfer::Format;
    const Format format = data[0] % 2 ? Format::Csv : Format::Json;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        catalogue::transfer::readRecipes(bytes, format);
    } catch (const platform::Failure&) {
    }
    return 0;
}
