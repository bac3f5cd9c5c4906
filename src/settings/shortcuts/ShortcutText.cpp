#include "settings/shortcuts/ShortcutText.h"

#include "platform/DelphiStrings.h"

namespace {

struct KeyName {
    const char *name;
    Qt::Key key;
};

constexpr KeyName namedKeys[] = {
    {"BkSp", Qt::Key_Backspace}, {"Tab", Qt::Key_Tab},     {"Esc", Qt::Key_Escape},
    {"Enter", Qt::Key_Return},   {"Space", Qt::Key_Space}, {"PgUp", Qt::Key_PageUp},
    {"PgDn", Qt::Key_PageDown},  {"End", Qt::Key_End},     {"Home", Qt::Key_Home},
    {"Left", Qt::Key_Left},      {"Up", Qt::Key_Up},       {"Right", Qt::Key_Right},
    {"Down", Qt::Key_Down},      {"Ins", Qt::Key_Insert},  {"Del", Qt::Key_Delete},
};

// Case is ignored for ASCII letters only: no other character stands for one ("ı" is no "I",
// "ſ" no "s").
char16_t asciiUpper(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
}

bool startsWithAscii(QStringView text, QLatin1StringView word)
{
    if (text.size() < word.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (asciiUpper(text.at(i)) != asciiUpper(QChar(word.at(i))))
            return false;
    return true;
}

bool equalsAscii(QStringView text, QLatin1StringView word)
{
    return text.size() == word.size() && startsWithAscii(text, word);
}

// The key of one key name; Qt::Key_unknown when there is none.
Qt::Key keyOf(const QString &name)
{
    if (name.size() == 1) {
        const char16_t c = asciiUpper(name.at(0));
        if (c >= u'A' && c <= u'Z')
            return Qt::Key(Qt::Key_A + (c - u'A'));
        if (c >= u'0' && c <= u'9')
            return Qt::Key(Qt::Key_0 + (c - u'0'));
        return Qt::Key_unknown;
    }
    // "F1".."F24": digits only, no leading zero.
    if (name.size() <= 3 && asciiUpper(name.at(0)) == u'F' && name.at(1) != QLatin1Char('0')) {
        int number = 0;
        for (int i = 1; i < name.size(); ++i) {
            const char16_t digit = name.at(i).unicode();
            if (digit < u'0' || digit > u'9')
                return Qt::Key_unknown;
            number = number * 10 + (digit - u'0');
        }
        return number >= 1 && number <= 24 ? Qt::Key(Qt::Key_F1 + number - 1) : Qt::Key_unknown;
    }
    for (const KeyName &k : namedKeys)
        if (equalsAscii(name, QLatin1StringView(k.name)))
            return k.key;
    return Qt::Key_unknown;
}

} // namespace

QKeySequence ShortcutText::parse(const QString &text)
{
    const QString t = Delphi::trim(text);
    Qt::KeyboardModifiers modifiers;
    qsizetype at = 0;
    for (;;) {
        const QStringView rest = QStringView(t).mid(at);
        if (startsWithAscii(rest, QLatin1StringView("Shift+"))) {
            modifiers |= Qt::ShiftModifier;
            at += 6;
        } else if (startsWithAscii(rest, QLatin1StringView("Ctrl+"))) {
            modifiers |= Qt::ControlModifier;
            at += 5;
        } else if (rest.startsWith(QLatin1Char('^'))) {
            modifiers |= Qt::ControlModifier;
            at += 1;
        } else if (startsWithAscii(rest, QLatin1StringView("Alt+"))) {
            modifiers |= Qt::AltModifier;
            at += 4;
        } else {
            break;
        }
    }
    const QString name = t.mid(at);
    if (name.isEmpty())
        return QKeySequence();
    const Qt::Key key = keyOf(name);
    if (key == Qt::Key_unknown)
        return QKeySequence();
    return QKeySequence(QKeyCombination(modifiers, key));
}

bool ShortcutText::isTaken(const QStringList &texts, const QString &text)
{
    const QKeySequence key = parse(text);
    if (key.isEmpty())
        return false;
    for (const QString &other : texts)
        if (parse(other) == key)
            return true;
    return false;
}
