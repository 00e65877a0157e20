#pragma once
// The Like pattern: * any run, ? any one character, # any digit, [list], [!list], [a-z];
// letter case is ignored for every letter, not only ASCII.
#include <QString>
#include <string_view>
#include <vector>

namespace platform::db {

class Pattern {
public:
    explicit Pattern(const QString& pattern); // throws Error(InvalidPattern)
    bool matches(const QString& text) const;
    bool matchesUtf8(std::string_view text) const; // fast path for values read from the file

private:
    struct Element {
        enum Kind { Literal, AnyRun, AnyOne, Digit, Set } kind;
        char32_t ch = 0;                                 // Literal (folded)
        bool negated = false;                            // Set
        std::vector<std::pair<char32_t, char32_t>> ranges; // Set (folded)
    };
    template<class Text> bool matchFolded(const Text& text) const;
    bool matchOne(const Element& e, char32_t c) const;
    std::vector<Element> elements_;
};

char32_t foldCase(char32_t c);

} // namespace platform::db
