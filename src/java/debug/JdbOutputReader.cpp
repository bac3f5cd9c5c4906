#include "java/debug/JdbOutputReader.h"

#include "platform/DelphiStrings.h"

namespace {

const QString Prompt = QStringLiteral("main[1]");
const QString DoublePrompt = QStringLiteral("> >");

} // namespace

void JdbOutputReader::feed(QStringView piece, QList<Event> &events)
{
    for (const QChar c : piece)
        add(c, events);
}

void JdbOutputReader::add(QChar c, QList<Event> &events)
{
    m_line.append(c);
    if (c == u'>')
        m_lineHasGreater = true;
    // The prompt can only be completed by its "]", so a line that holds it and has not
    // become a prompt already ends in it; once the line holds a ">" it stays.
    if (c == u']' && !m_lineHasGreater && m_line.endsWith(Prompt)) {
        clearLine();
        events.append({Event::Prompt, QStringLiteral("main[1] ")});
        return;
    }
    if (c != u'\r' && c != u'\n')
        return;
    const QString line = logLineOf(m_line);
    if (!line.isEmpty())
        events.append({Event::Line, line});
    if (m_line.contains(QLatin1String("Initializing jdb..."))
        || m_line.contains(QLatin1String("Initializing jdb ...")))
        events.append({Event::Initializing, QString()});
    clearLine();
}

void JdbOutputReader::clearLine()
{
    m_line.clear();
    m_lineHasGreater = false;
}

QString JdbOutputReader::logLineOf(const QString &line)
{
    const QString t = Delphi::trim(line);
    const qsizetype at = t.indexOf(DoublePrompt);
    if (at >= 0)
        return Delphi::trim(QStringLiteral("> ") + t.mid(at + DoublePrompt.size()));
    return t;
}
