#pragma once
// Find criteria such as  DrinkName Like '*sour*'  parsed into a tree, never pasted into SQL.
// Grammar: expr := term {OR term};  term := factor {AND factor};
//          factor := NOT factor | '(' expr ')' | field [NOT] LIKE text | field op literal | field IS [NOT] NULL
//          op := = <> < > <= >= ;  field := name | [name];  text := '...' ('' inside) | "..." ("" inside)
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace platform::db {

class Criteria {
public:
    // `fields` are the record source's field names (matched ignoring case). Throws Error:
    // SyntaxInCriteria, UnknownField or InvalidPattern.
    Criteria(const QString& text, const QStringList& fields);
    ~Criteria();
    Criteria(Criteria&&) noexcept;

    // The field indexes the criteria read, each once, in the order of first use.
    const std::vector<int>& fieldsUsed() const { return used_; }

    // value(i): the UTF-8 text of field i in the row, or nullopt for NULL.
    using Values = std::function<std::optional<std::string_view>(int)>;
    bool matches(const Values& value) const;

    struct Node;

private:
    std::unique_ptr<Node> root_;
    std::vector<int> used_;
};

} // namespace platform::db
