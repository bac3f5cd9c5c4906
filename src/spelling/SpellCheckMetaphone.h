#pragma once

#include <QString>
#include <QStringView>

// The metaphone sound key of a word, computed with a fixed table of 63 rules over the
// letters A..Z of the word (upper-cased, every other character dropped, doubled letters
// other than "GG" collapsed). The key is never cut; the length argument is kept for callers
// that pass one and is not used.
QString MetaphoneKey(QStringView word, int length = 0);

namespace Metaphone {

struct Rule {
    const char *pattern;
    const char *replacement;
    int kind;
    const char *context;
};

// The rule table, in the order the rules are tried.
extern const Rule kRules[];
extern const int kRuleCount;

} // namespace Metaphone
