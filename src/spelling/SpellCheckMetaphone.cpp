#include "spelling/SpellCheckMetaphone.h"

#include <QVarLengthArray>

#include <cstring>

namespace Metaphone {

// kind: 0 start of word; 1 Context right before; 2 Context right after; 4 not first and a
// vowel after; 5 Context[0] before and Context[1] after; 6 not last and Context right before;
// 8 Context right after, then a vowel; 9 vowel before, non-vowel after; 10 Context ends the
// word; 11 always.
const Rule kRules[] = {
    {"AE", "E", 0, ""},  {"GN", "N", 0, ""},   {"KN", "N", 0, ""},  {"PN", "N", 0, ""},
    {"WR", "R", 0, ""},  {"PS", "S", 0, ""},   {"WH", "W", 0, ""},  {"B", "B", 6, "M"},
    {"B", "B", 11, ""},  {"C", "X", 2, "H"},   {"C", "S", 2, "I"},  {"C", "S", 2, "E"},
    {"C", "S", 2, "Y"},  {"C", "", 5, "SE"},   {"C", "", 5, "SI"},  {"C", "K", 11, ""},
    {"D", "J", 2, "GE"}, {"D", "J", 2, "GY"},  {"D", "J", 2, "GI"}, {"D", "T", 11, ""},
    {"F", "F", 11, ""},  {"G", "G", 2, "G"},   {"G", "", 1, "G"},   {"G", "", 8, "H"},
    {"G", "", 10, "N"},  {"G", "", 10, "NED"}, {"G", "", 5, "DE"},  {"G", "J", 2, "I"},
    {"G", "J", 2, "E"},  {"G", "J", 2, "Y"},   {"G", "K", 11, ""},  {"H", "", 9, ""},
    {"H", "", 1, "C"},   {"H", "", 1, "S"},    {"H", "", 1, "P"},   {"H", "", 1, "T"},
    {"H", "", 1, "G"},   {"H", "", 11, ""},    {"J", "J", 11, ""},  {"K", "", 1, "C"},
    {"K", "K", 11, ""},  {"L", "L", 11, ""},   {"M", "M", 11, ""},  {"N", "N", 11, ""},
    {"P", "F", 2, "H"},  {"P", "P", 11, ""},   {"Q", "K", 11, ""},  {"R", "R", 11, ""},
    {"S", "X", 2, "H"},  {"S", "S", 11, ""},   {"T", "X", 2, "IA"}, {"T", "X", 2, "IO"},
    {"T", "", 2, "CH"},  {"T", "0", 2, "H"},   {"T", "T", 11, ""},  {"V", "F", 11, ""},
    {"W", "W", 4, ""},   {"W", "", 11, ""},    {"X", "S", 0, ""},   {"X", "KS", 11, ""},
    {"Y", "Y", 4, ""},   {"Y", "", 11, ""},    {"Z", "S", 11, ""},
};
const int kRuleCount = int(sizeof(kRules) / sizeof(kRules[0]));

} // namespace Metaphone

namespace {

using Letters = QVarLengthArray<char, 64>;

bool isVowel(char c)
{
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
}

// Whether t[from .. from+len-1] (0-based) equals s; false when it runs past the end.
bool matchAt(const Letters &t, int from, const char *s, int len)
{
    if (from < 0 || from + len > t.size())
        return false;
    return std::memcmp(t.constData() + from, s, size_t(len)) == 0;
}

// Whether rule r holds at the 1-based position p of t.
bool ruleHolds(const Metaphone::Rule &r, const Letters &t, int p)
{
    const int w = t.size();
    const int after = w - p;
    const int before = p - 1;
    const int plen = int(std::strlen(r.pattern));
    const int l = int(std::strlen(r.context));
    if (plen > after + 1 || !matchAt(t, p - 1, r.pattern, plen))
        return false;
    // 0-based index of the letter at p is p - 1; the letter after p is t[p], before is t[p - 2].
    switch (r.kind) {
    case 0: return p == 1;
    case 1: return before >= l && matchAt(t, p - 1 - l, r.context, l);
    case 2: return after >= l && matchAt(t, p, r.context, l);
    case 4: return before >= 1 && after >= 1 && isVowel(t[p]);
    case 5:
        return before >= 1 && after >= 1 && l == 2 && t[p - 2] == r.context[0]
            && t[p] == r.context[1];
    case 6: return p < w && before >= l && matchAt(t, p - 1 - l, r.context, l);
    case 8: return after >= l + 1 && matchAt(t, p, r.context, l) && isVowel(t[p + l]);
    case 9: return before >= 1 && after >= 1 && isVowel(t[p - 2]) && !isVowel(t[p]);
    case 10: return after == l && matchAt(t, p, r.context, l);
    case 11: return true;
    default: return false;
    }
}

struct Pair {
    const char *replacement;
    int position;
};

} // namespace

QString MetaphoneKey(QStringView word, int /*length*/)
{
    // Letters A..Z of the upper-cased word, doubles collapsed except "GG".
    Letters t;
    for (const QChar ch : word) {
        char16_t c = ch.unicode();
        if (c >= u'a' && c <= u'z')
            c = char16_t(c - u'a' + u'A');
        if (c < u'A' || c > u'Z')
            continue;
        const char letter = char(c);
        if (!t.isEmpty() && letter != 'G' && t.last() == letter)
            continue;
        t.append(letter);
    }
    if (t.isEmpty())
        return QString();

    QVarLengthArray<Pair, 64> pairs;
    const char *skipPattern = nullptr;
    for (int i = 0; i < Metaphone::kRuleCount; ++i) {
        const Metaphone::Rule &r = Metaphone::kRules[i];
        if (skipPattern && std::strcmp(skipPattern, r.pattern) == 0)
            continue;
        skipPattern = nullptr;
        bool held = false;
        for (int p = 1; p <= t.size(); ++p) {
            if (t[p - 1] == r.pattern[0] && ruleHolds(r, t, p)) {
                pairs.append({r.replacement, p});
                held = true;
            }
        }
        if (held)
            skipPattern = r.pattern;
    }

    // Selection sort by position, swapping as it goes (equal positions may change order).
    for (int i = 0; i < pairs.size(); ++i) {
        int min = i;
        for (int j = i + 1; j < pairs.size(); ++j) {
            if (pairs[j].position < pairs[min].position)
                min = j;
        }
        if (min != i)
            std::swap(pairs[i], pairs[min]);
    }

    QString key;
    bool atStart = false;
    for (const Pair &pr : pairs) {
        key += QLatin1String(pr.replacement);
        if (pr.position == 1)
            atStart = true;
    }
    if (!atStart)
        key.prepend(QLatin1Char(t.first()));
    return key;
}
