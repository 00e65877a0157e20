// libFuzzer target for the criteria parser and the Like matcher. The input is
// "criteria \n value": the criteria are parsed over two fields and tested on the value.
#include "platform/database/criteria.h"
#include "platform/database/errors.h"
#include "platform/database/pattern.h"
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t cut = input.find('\n');
    const std::string head = input.substr(0, cut);
    const QString criteria = QString::fromUtf8(head.data(), qsizetype(head.size()));
    const std::string value = cut == std::string::npos ? std::string() : input.substr(cut + 1);
    const QStringList fields = {QStringLiteral("DrinkName"), QStringLiteral("Glass")};
    try {
        const platform::db::Criteria c(criteria, fields);
        c.matches([&](int field) -> std::optional<std::string_view> {
            if (field == 1)
                return std::nullopt;
            return std::string_view(value);
        });
    } catch (const platform::db::Error&) {
    }
    try {
        const platform::db::Pattern p(criteria);
        const QString text = QString::fromUtf8(value.data(), qsizetype(value.size()));
        const bool a = p.matches(text);
        const bool b = p.matchesUtf8(value);
        if (text.toUtf8() == QByteArray(value.data(), qsizetype(value.size())) && a != b)
            __builtin_trap(); // both paths must agree on valid UTF-8
    } catch (const platform::db::Error&) {
    }
    return 0;
}
