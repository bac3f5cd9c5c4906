#include "settings/files/CodeTemplateText.h"

#include "platform/DelphiStrings.h"

QStringList CodeTemplateText::keywords() const
{
    QStringList words;
    for (const QString &line : m_lines)
        if (isHeader(line))
            words.append(line.mid(1));
    return words;
}

CodeTemplateText::Record CodeTemplateText::find(const QString &keyword) const
{
    Record r;
    const QString word = Delphi::trim(keyword);
    if (word.isEmpty())
        return r;
    // "%" + the keyword; blanks the file has around the keyword do not count.
    for (int i = 0; i < m_lines.size() && r.header < 0; ++i)
        if (isHeader(m_lines.at(i)) && Delphi::trim(m_lines.at(i).mid(1)) == word)
            r.header = i;
    if (r.header < 0)
        return r;
    r.start = r.header + 1;
    r.end = int(m_lines.size()) - 1;
    for (int i = r.start; i < m_lines.size(); ++i) {
        if (m_lines.at(i).contains(u'#') || isHeader(m_lines.at(i))) {
            r.terminator = i;
            r.end = i - 1;
            break;
        }
    }
    return r;
}

QStringList CodeTemplateText::code(const QString &keyword) const
{
    const Record r = find(keyword);
    if (!r.found())
        return {};
    return m_lines.mid(r.start, r.end - r.start + 1);
}

bool CodeTemplateText::store(const QString &keyword, const QStringList &code)
{
    const Record r = find(keyword);
    if (!r.found())
        return false;
    m_lines.remove(r.start, r.end - r.start + 1);
    for (int i = 0; i < code.size(); ++i)
        m_lines.insert(r.start + i, code.at(i));
    return true;
}

CodeTemplateText::NewKeyword CodeTemplateText::add(const QString &name)
{
    const QString word = Delphi::trim(name);
    if (word.isEmpty())
        return NewKeyword::Empty;
    if (word.contains(u'%') || word.contains(u'#'))
        return NewKeyword::BadCharacter;
    if (find(word).found())
        return NewKeyword::Taken;
    m_lines.append(QLatin1Char('%') + word);
    m_lines.append(QStringLiteral("#"));
    return NewKeyword::Added;
}

bool CodeTemplateText::remove(const QString &keyword)
{
    const Record r = find(keyword);
    if (!r.found())
        return false;
    // Through the "#" line; a record ended by the next header (or the end) keeps that header.
    int last = r.end;
    if (r.terminator >= 0 && !isHeader(m_lines.at(r.terminator)))
        last = r.terminator;
    m_lines.remove(r.header, last - r.header + 1);
    return true;
}
