#pragma once
// The rules that decide which recipes belong to each category, written in content/categories.txt,
// and the SQL condition each category's rules make. The builder and the running program share
// them: the program carries the text of categories.txt, compiled in.
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace catalogue {

// One rule of a category: the kind says what the words are matched against.
//   ingredient  a recipe belongs when an ingredient line holds one of the words as whole words
//   except      phrases taken out of the ingredient lines before that category's words are looked
//               for ("ginger beer" is no beer)
//   name        ... when the drink's name holds one of the words
//   glass       ... when its glass is one of the listed glasses
//   alcohol     (NonAlcoholic) no ingredient line names a word of any spirit, liqueur, beer or wine
//               category, nor one of these words
struct CategoryRule {
    QString query;
    QString kind;
    QStringList words;
};

struct ContentError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The lines of a content file that are neither empty nor comments ("#..."), each split at '|',
// with its number (from 1).
struct ContentLine {
    int number;
    QStringList fields;
};
std::vector<ContentLine> contentLines(const QString& text);

std::vector<CategoryRule> parseCategories(const QString& text); // throws ContentError naming the line

// The rules this program was built with.
const std::vector<CategoryRule>& programRules();

// What a condition looks at, as SQL expressions over one recipe: its ingredient lines and its
// name, each lower-cased with punctuation as spaces and a space at each end (so that "% word %"
// finds whole words), and its glass.
struct RuleInputs {
    QString ingredients, name, glass;
    // The expressions over drinklst's columns, each column name after `prefix` ("NEW.").
    static RuleInputs ofColumns(const QString& prefix = QString());
};

// The SQL condition of one category over the inputs; throws ContentError for a category
// without rules.
QString categoryCondition(const QString& query, const std::vector<CategoryRule>& rules, const RuleInputs& in);

} // namespace catalogue
