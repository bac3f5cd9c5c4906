#include "completion/MemberCompletionText.h"

#include "analysis/javasource/JavaScanner.h"
#include "editor/EditorAdapter.h"
#include "editor/tokenizers/JavaTokenizer.h"
#include "platform/TextFile.h"

#include <QDir>

namespace {

// A type that declares a variable of no class.
bool isPrimitive(QStringView type)
{
    static const char16_t *const names[] = {u"int",  u"boolean", u"long", u"double",
                                            u"byte", u"short",   u"char", u"float"};
    for (const char16_t *name : names)
        if (type == QStringView(name))
            return true;
    return false;
}

// The token before the declared name may be its type: a blank or an operator is not.
bool mayBeType(QStringView token)
{
    if (token.trimmed().isEmpty())
        return false;
    for (const char16_t *part : {u"<", u">", u"=", u";", u"{"})
        if (token.contains(QStringView(part)))
            return false;
    return !isPrimitive(token.trimmed());
}

} // namespace

namespace MemberCompletionText {

DotWord wordBeforeDot(const QString &line, int caretColumn)
{
    const QString text = line.left(qMax(0, caretColumn - 1)) + QLatin1Char('.');
    JavaTokenizer::State state = JavaTokenizer::Code;
    QList<JavaTokenizer::Span> spans;
    JavaTokenizer::scanLine(text, state, spans);
    QStringView word;
    QStringView last;
    for (const JavaTokenizer::Span &sp : spans) {
        const QStringView token = QStringView(text).mid(sp.start, sp.length);
        if (sp.kind == JavaTokenizer::Identifier)
            last = token;
        else if (sp.kind == JavaTokenizer::Symbol && token.contains(u'.'))
            word = last;
        else if (sp.kind == JavaTokenizer::Number && token.contains(u'.'))
            word = QStringView();
    }
    if (word.isEmpty())
        word = last;
    return {word.toString(), last.toString()};
}

bool findDeclaredType(const QStringList &lines, int caretLine, const QString &word, QString *type)
{
    const int caret = caretLine - 1;
    if (caret < 0 || caret >= lines.size() || word.isEmpty())
        return false;
    // The class around the caret: from its first line to the line where its body closes
    // (followed below: a body closing before the caret line leaves the caret outside).
    const int first = JavaScanner::FinnClassStart(lines, caretLine);

    struct Entry {
        QStringView type;
        int depth;
    };
    QList<Entry> stack;
    int depth = 0;
    bool inParentheses = false;
    QStringView listType, lastIdentifier, identifierBefore, lastToken, tokenBefore;
    JavaTokenizer::State state = JavaTokenizer::Code;
    QList<JavaTokenizer::Span> spans;
    for (int i = first; i <= caret; ++i) {
        const QStringView line(lines.at(i));
        JavaTokenizer::scanLine(line, state, spans);
        for (const JavaTokenizer::Span &sp : std::as_const(spans)) {
            const QStringView token = line.mid(sp.start, sp.length);
            if (sp.kind == JavaTokenizer::Symbol) {
                // A symbol token holds at most one of these signs (see JavaTokenizer).
                bool open = false, close = false, comma = false, ends = false, brace = false,
                     closeBrace = false;
                for (const QChar c : token) {
                    switch (c.unicode()) {
                    case u'(': open = true; break;
                    case u')': close = ends = true; break;
                    case u',': comma = true; break;
                    case u'=':
                    case u';': ends = true; break;
                    case u'{': brace = true; break;
                    case u'}': closeBrace = true; break;
                    default: break;
                    }
                }
                if (open)
                    inParentheses = true;
                else if (close)
                    inParentheses = false;
                if (comma && listType.isEmpty())
                    listType = identifierBefore;
                if (ends)
                    listType = QStringView();
                if (brace)
                    ++depth;
                if (closeBrace) {
                    --depth;
                    if (depth == 0 && i < caret)
                        return false; // the class ends before the caret line
                    if (!stack.isEmpty() && stack.last().depth > depth)
                        stack.removeLast();
                    if (depth == 1) // a method has closed
                        while (!stack.isEmpty() && stack.last().depth > 1)
                            stack.removeLast();
                }
            } else if (sp.kind == JavaTokenizer::Identifier) {
                if (i != caret && token == word && mayBeType(tokenBefore)
                    && !lastToken.contains(u'(')) {
                    const int at = inParentheses && depth == 1 ? depth + 1 : depth;
                    if (lastToken.contains(u',') || tokenBefore.contains(u',')) {
                        if (!inParentheses)
                            stack.append({listType.trimmed(), at});
                    } else {
                        stack.append({lastIdentifier.trimmed(), at});
                    }
                }
                identifierBefore = lastIdentifier;
                lastIdentifier = token;
            }
            tokenBefore = lastToken;
            lastToken = token;
        }
    }
    if (stack.isEmpty() || stack.last().type.isEmpty())
        return false;
    *type = stack.last().type.toString();
    return true;
}

QString memberFile(const QString &folder, const QString &name)
{
    if (name.trimmed().isEmpty())
        return QString();
    // The template list and the class list lie in the same folder.
    if (name == QLatin1String("auto") || name == QLatin1String("toc"))
        return QString();
    const QString wanted = name + QStringLiteral(".cmp");
    const QDir dir(folder);
    // Listed and compared here: a file system that ignores case must not find "file" as "File".
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden);
    return files.contains(wanted) ? dir.filePath(wanted) : QString();
}

QStringList readMembers(const QString &fileName, bool staticOnly)
{
    TextFile::Content content;
    if (!TextFile::load(fileName, content))
        return {};
    QStringList members = EditorAdapter::splitLines(content.text);
    if (staticOnly)
        members.removeIf([](const QString &m) { return !m.contains(QLatin1String("static")); });
    return members;
}

QString entryText(const QString &member)
{
    return member
        + (member.contains(QLatin1Char(')')) ? QStringLiteral(" : function")
                                             : QStringLiteral(" : datamember"));
}

QStringList entryTexts(const QStringList &members)
{
    QStringList entries;
    entries.reserve(members.size());
    for (const QString &m : members)
        entries.append(entryText(m));
    return entries;
}

QString memberName(const QString &member)
{
    QString word;
    for (const QChar c : member) {
        if (c == QLatin1Char(' '))
            word.clear();
        else if (c == QLatin1Char('('))
            return word + c;
        else
            word += c;
    }
    if (word.endsWith(QLatin1Char(';')))
        word.chop(1);
    return word;
}

QStringList filterEntries(const QStringList &members, const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return entryTexts(members);
    QStringList entries;
    for (const QString &m : members)
        if (memberName(m).startsWith(typed))
            entries.append(entryText(m));
    return entries;
}

Insertion insertionFor(const QString &entry)
{
    Insertion in;
    const qsizetype open = entry.indexOf(QLatin1Char('('));
    QString params;
    if (open < 0) {
        // The list appends " : datamember"; the declaration is what stands before that marker.
        qsizetype end = entry.lastIndexOf(QLatin1String(" :"));
        if (end < 0)
            end = entry.size();
        // A member file's line may end in its own ";".
        QString declaration = entry.left(end).trimmed();
        while (declaration.endsWith(QLatin1Char(';')))
            declaration = declaration.chopped(1).trimmed();
        const QString name = declaration.mid(declaration.lastIndexOf(QLatin1Char(' ')) + 1);
        in.text = name.trimmed() + QLatin1Char(';');
    } else {
        const qsizetype close = entry.indexOf(QLatin1Char(')'), open);
        params = entry.mid(open + 1, close < 0 ? -1 : close - open - 1);
        const QString head = entry.left(open);
        const QString name = head.mid(head.lastIndexOf(QLatin1Char(' ')) + 1);
        in.methodName = name.toUpper();
        if (params.trimmed().isEmpty()) {
            in.text = (name + QStringLiteral("();")).trimmed();
        } else {
            in.text = name + QStringLiteral("()");
            in.caretBack = true;
            in.showHint = true;
        }
    }
    in.paramsItem = QLatin1Char('"')
        + QString(params).replace(QLatin1Char(','), QStringLiteral("\", \"")) + QLatin1Char('"');
    return in;
}

} // namespace MemberCompletionText
