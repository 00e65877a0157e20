#include "pattern.h"
#include "errors.h"
#include <QChar>
#include <QList>
#include <string>

namespace platform::db {

char32_t foldCase(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

namespace {
std::u32string foldedUcs4(const QString& text)
{
    std::u32string out;
    out.reserve(size_t(text.size()));
    for (char32_t c : text.toUcs4())
        out.push_back(foldCase(c));
    return out;
}
} // namespace

Pattern::Pattern(const QString& pattern)
{
    const std::u32string p = foldedUcs4(pattern);
    for (size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        Element e{Element::Literal};
        if (c == U'*') {
            e.kind = Element::AnyRun;
            if (!elements_.empty() && elements_.back().kind == Element::AnyRun)
                continue;
        } else if (c == U'?') {
            e.kind = Element::AnyOne;
        } else if (c == U'#') {
            e.kind = Element::Digit;
        } else if (c == U'[') {
            const size_t close = p.find(U']', i + 1 + (i + 1 < p.size() && p[i + 1] == U'!' ? 1 : 0));
            if (close == std::u32string::npos)
                throw Error(InvalidPattern);
            e.kind = Element::Set;
            size_t j = i + 1;
            if (j < close && p[j] == U'!') {
                e.negated = true;
                ++j;
            }
            for (; j < close; ++j) {
                if (j + 2 < close && p[j + 1] == U'-') {
                    e.ranges.emplace_back(std::min(p[j], p[j + 2]), std::max(p[j], p[j + 2]));
                    j += 2;
                } else {
                    e.ranges.emplace_back(p[j], p[j]);
                }
            }
            i = close;
        } else {
            e.ch = c;
        }
        elements_.push_back(std::move(e));
    }
}

bool Pattern::matchOne(const Element& e, char32_t c) const
{
    switch (e.kind) {
    case Element::Literal: return e.ch == c;
    case Element::AnyOne: return true;
    case Element::Digit: return c < 0x80 ? (c >= '0' && c <= '9') : QChar::isDigit(c);
    case Element::Set: {
        bool in = false;
        for (const auto& [lo, hi] : e.ranges)
            if (c >= lo && c <= hi) {
                in = true;
                break;
            }
        return in != e.negated;
    }
    case Element::AnyRun: break;
    }
    return false;
}

// Greedy matching with one back-tracking point: the latest '*'.
template<class Text> bool Pattern::matchFolded(const Text& text) const
{
    size_t t = 0, p = 0;
    size_t starP = SIZE_MAX, starT = 0;
    while (t < text.size()) {
        if (p < elements_.size() && elements_[p].kind == Element::AnyRun) {
            starP = p++;
            starT = t;
        } else if (p < elements_.size() && matchOne(elements_[p], char32_t(text[t]))) {
            ++p;
            ++t;
        } else if (starP != SIZE_MAX) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < elements_.size() && elements_[p].kind == Element::AnyRun)
        ++p;
    return p == elements_.size();
}

bool Pattern::matches(const QString& text) const { return matchFolded(foldedUcs4(text)); }

bool Pattern::matchesUtf8(std::string_view text) const
{
    // ASCII text, the usual case, is matched byte by byte without decoding.
    thread_local std::string folded;
    folded.clear();
    for (unsigned char b : text) {
        if (b >= 0x80)
            return matches(QString::fromUtf8(text.data(), qsizetype(text.size())));
        folded.push_back(char(foldCase(b)));
    }
    return matchFolded(folded);
}

} // namespace platform::db
