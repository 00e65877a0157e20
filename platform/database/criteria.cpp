#include "criteria.h"
#include "errors.h"
#include "pattern.h"

namespace platform::db {

struct Criteria::Node {
    enum Kind { Or, And, Not, Like, Compare, IsNull } kind;
    std::unique_ptr<Node> left, right;
    int field = -1;
    QString op;             // Compare
    QString literal;        // Compare
    bool numeric = false;   // Compare: the literal is a number
    std::optional<Pattern> pattern;
};

namespace {

struct Token {
    enum Kind { End, Name, Text, Number, Symbol } kind;
    QString value;
};

class Parser {
public:
    Parser(const QString& text, const QStringList& fields, std::vector<int>& used)
        : s_(text), fields_(fields), used_(used)
    {
        advance();
    }

    std::unique_ptr<Criteria::Node> parse()
    {
        auto node = expr();
        if (tok_.kind != Token::End)
            syntax(QStringLiteral("unexpected '%1'").arg(tok_.value));
        return node;
    }

private:
    [[noreturn]] void syntax(const QString& what) { throw Error(SyntaxInCriteria, what); }

    bool keyword(const char* word) const
    {
        return tok_.kind == Token::Name && !bracketed_ && tok_.value.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    void advance()
    {
        bracketed_ = false;
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
        if (i_ >= s_.size()) {
            tok_ = {Token::End, QStringLiteral("end of text")};
            return;
        }
        const QChar c = s_[i_];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            QString value;
            for (++i_;; ++i_) {
                if (i_ >= s_.size())
                    syntax(QStringLiteral("a quoted text is not closed"));
                if (s_[i_] == c) {
                    if (i_ + 1 < s_.size() && s_[i_ + 1] == c) {
                        value += c;
                        ++i_;
                        continue;
                    }
                    ++i_;
                    break;
                }
                value += s_[i_];
            }
            tok_ = {Token::Text, value};
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = s_.indexOf(QLatin1Char(']'), i_ + 1);
            if (close < 0)
                syntax(QStringLiteral("a bracketed name is not closed"));
            tok_ = {Token::Name, s_.mid(i_ + 1, close - i_ - 1)};
            bracketed_ = true;
            i_ = close + 1;
        } else if (c.isDigit() || (c == QLatin1Char('-') && i_ + 1 < s_.size() && s_[i_ + 1].isDigit())) {
            const qsizetype start = i_++;
            while (i_ < s_.size() && (s_[i_].isDigit() || s_[i_] == QLatin1Char('.')))
                ++i_;
            tok_ = {Token::Number, s_.mid(start, i_ - start)};
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            const qsizetype start = i_;
            while (i_ < s_.size() && (s_[i_].isLetterOrNumber() || s_[i_] == QLatin1Char('_')))
                ++i_;
            tok_ = {Token::Name, s_.mid(start, i_ - start)};
        } else {
            static const QStringList two = {QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">=")};
            const QString pair = s_.mid(i_, 2);
            if (two.contains(pair)) {
                tok_ = {Token::Symbol, pair};
                i_ += 2;
            } else if (QStringLiteral("=<>()").contains(c)) {
                tok_ = {Token::Symbol, QString(c)};
                ++i_;
            } else {
                syntax(QStringLiteral("unexpected '%1'").arg(c));
            }
        }
    }

    std::unique_ptr<Criteria::Node> binary(Criteria::Node::Kind kind, std::unique_ptr<Criteria::Node> l,
                                           std::unique_ptr<Criteria::Node> r)
    {
        auto n = std::make_unique<Criteria::Node>();
        n->kind = kind;
        n->left = std::move(l);
        n->right = std::move(r);
        return n;
    }

    std::unique_ptr<Criteria::Node> expr()
    {
        auto node = term();
        while (keyword("or")) {
            advance();
            node = binary(Criteria::Node::Or, std::move(node), term());
        }
        return node;
    }

    std::unique_ptr<Criteria::Node> term()
    {
        auto node = factor();
        while (keyword("and")) {
            advance();
            node = binary(Criteria::Node::And, std::move(node), factor());
        }
        return node;
    }

    std::unique_ptr<Criteria::Node> factor()
    {
        if (++depth_ > 200)
            syntax(QStringLiteral("the criteria are nested too deeply"));
        std::unique_ptr<Criteria::Node> node;
        if (keyword("not")) {
            advance();
            node = binary(Criteria::Node::Not, factor(), nullptr);
        } else if (tok_.kind == Token::Symbol && tok_.value == QLatin1String("(")) {
            advance();
            node = expr();
            if (!(tok_.kind == Token::Symbol && tok_.value == QLatin1String(")")))
                syntax(QStringLiteral("a ')' is missing"));
            advance();
        } else {
            node = comparison();
        }
        --depth_;
        return node;
    }

    int fieldIndex(const QString& name)
    {
        for (int i = 0; i < fields_.size(); ++i)
            if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) {
                if (std::find(used_.begin(), used_.end(), i) == used_.end())
                    used_.push_back(i);
                return i;
            }
        throw Error(UnknownField, name);
    }

    std::unique_ptr<Criteria::Node> comparison()
    {
        if (tok_.kind != Token::Name)
            syntax(QStringLiteral("a field name is missing before '%1'").arg(tok_.value));
        auto node = std::make_unique<Criteria::Node>();
        node->field = fieldIndex(tok_.value);
        advance();
        bool negated = false;
        if (keyword("not")) {
            negated = true;
            advance();
        }
        if (keyword("like")) {
            advance();
            if (tok_.kind != Token::Text)
                syntax(QStringLiteral("Like needs a quoted pattern"));
            node->kind = Criteria::Node::Like;
            node->pattern.emplace(tok_.value);
            advance();
        } else if (!negated && keyword("is")) {
            advance();
            if (keyword("not")) {
                negated = true;
                advance();
            }
            if (!keyword("null"))
                syntax(QStringLiteral("Is needs Null"));
            node->kind = Criteria::Node::IsNull;
            advance();
        } else if (!negated && tok_.kind == Token::Symbol && tok_.value != QLatin1String("(")
                   && tok_.value != QLatin1String(")")) {
            node->kind = Criteria::Node::Compare;
            node->op = tok_.value;
            advance();
            if (tok_.kind != Token::Text && tok_.kind != Token::Number)
                syntax(QStringLiteral("a value is missing after '%1'").arg(node->op));
            node->numeric = tok_.kind == Token::Number;
            node->literal = tok_.value;
            advance();
        } else {
            syntax(QStringLiteral("an operator is missing before '%1'").arg(tok_.value));
        }
        return negated ? binary(Criteria::Node::Not, std::move(node), nullptr) : std::move(node);
    }

    const QString& s_;
    const QStringList& fields_;
    std::vector<int>& used_;
    qsizetype i_ = 0;
    Token tok_{Token::End, {}};
    bool bracketed_ = false;
    int depth_ = 0;
};

bool compare(const Criteria::Node& n, std::string_view raw)
{
    const QString value = QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    int order = 0;
    bool okValue = false;
    const double number = n.numeric ? value.toDouble(&okValue) : 0;
    if (n.numeric && okValue) {
        const double literal = n.literal.toDouble();
        order = number < literal ? -1 : (number > literal ? 1 : 0);
    } else {
        order = value.toCaseFolded().compare(n.literal.toCaseFolded());
    }
    if (n.op == QLatin1String("=")) return order == 0;
    if (n.op == QLatin1String("<>")) return order != 0;
    if (n.op == QLatin1String("<")) return order < 0;
    if (n.op == QLatin1String(">")) return order > 0;
    if (n.op == QLatin1String("<=")) return order <= 0;
    return order >= 0;
}

bool evaluate(const Criteria::Node& n, const Criteria::Values& value)
{
    switch (n.kind) {
    case Criteria::Node::Or: return evaluate(*n.left, value) || evaluate(*n.right, value);
    case Criteria::Node::And: return evaluate(*n.left, value) && evaluate(*n.right, value);
    case Criteria::Node::Not: return !evaluate(*n.left, value);
    case Criteria::Node::IsNull: return !value(n.field).has_value();
    case Criteria::Node::Like: {
        const auto v = value(n.field);
        return v && n.pattern->matchesUtf8(*v);
    }
    case Criteria::Node::Compare: {
        const auto v = value(n.field);
        return v && compare(n, *v);
    }
    }
    return false;
}

} // namespace

Criteria::Criteria(const QString& text, const QStringList& fields)
{
    root_ = Parser(text, fields, used_).parse();
}

Criteria::~Criteria() = default;
Criteria::Criteria(Criteria&&) noexcept = default;

bool Criteria::matches(const Values& value) const { return evaluate(*root_, value); }

} // namespace platform::db
