#include "analysis/QuickFindText.h"

#include "platform/DelphiStrings.h"

namespace QuickFindText {

QStringList displayTexts(const QString &declaration)
{
    const QString source = Delphi::trim(declaration);
    if (source.isEmpty())
        return {};
    const QString openParen = QStringLiteral("(");
    QStringList entries;
    QString word;   // the word being read
    QString last;   // the word before it ("(" right after the opening parenthesis)
    QString before; // the word before that
    QString text;
    bool closed = false;

    // Appends a word and what follows it, after a blank unless it comes right after "(".
    auto append = [&](const QString &what) {
        if (last != openParen)
            text += u' ';
        text += what;
    };

    for (const QChar c : source) {
        if (c == u' ') {
            append(word);
            before = last;
            last = word;
            word.clear();
        } else if (c == u'(') {
            // The return type and the name: the modifiers before them are dropped.
            text = last + u' ' + word + u'(';
            last = openParen;
            word.clear();
        } else if (c == u')') {
            closed = true;
            append(word + u')');
            word.clear();
            entries.append(text);
        } else {
            word += c;
        }
    }

    if (source.contains(u'(')) {
        if (!closed)
            entries.append(text); // cut off at the line end: as far as it goes
    } else if (before.isEmpty()) {
        entries.append(last + u' ' + word);
    } else {
        entries.append(before + u' ' + last + u' ' + word);
    }
    return entries;
}

int memberLine(const QStringList &lines, const QString &className, const QString &member)
{
    bool inClass = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (!inClass)
            inClass = Delphi::contains(line, QStringLiteral("class"))
                && Delphi::contains(line, className);
        if (inClass && Delphi::contains(line, member))
            return i;
    }
    return -1;
}

} // namespace QuickFindText
