#include "completion/CodeTemplateExpander.h"

#include "completion/KeyTriggerText.h"
#include "editor/EditorAdapter.h"

TSynAutoComplete::TSynAutoComplete(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("SynAutoComplete1"));
}

void TSynAutoComplete::setCompletionList(const QStringList &list)
{
    m_list = list;
}

bool TSynAutoComplete::codeOf(const QString &keyword, QStringList *code) const
{
    if (keyword.isEmpty())
        return false;
    for (int i = 0; i < m_list.size(); ++i) {
        if (m_list.at(i).startsWith(QLatin1Char('=')) || m_list.at(i) != keyword)
            continue;
        code->clear();
        for (int j = i + 1; j < m_list.size() && m_list.at(j).startsWith(QLatin1Char('=')); ++j)
            code->append(m_list.at(j).mid(1));
        return true;
    }
    return false;
}

TSynAutoComplete::Expansion TSynAutoComplete::expand(const QStringList &code, int indent)
{
    Expansion e;
    QStringList lines = code;
    const QString blanks(qMax(0, indent), QLatin1Char(' '));
    for (int i = 1; i < lines.size(); ++i)
        lines[i].prepend(blanks);
    for (int i = 0; i < lines.size(); ++i) {
        const qsizetype bar = lines.at(i).indexOf(QLatin1Char('|'));
        if (bar < 0)
            continue;
        lines[i].remove(bar, 1);
        e.placesCaret = true;
        e.caretLine = i;
        e.caretColumn = int(bar);
        break;
    }
    e.text = lines.join(QLatin1Char('\n'));
    return e;
}

bool TSynAutoComplete::Execute(const QString &word, EditorAdapter *editor)
{
    QStringList code;
    if (!editor || editor->isReadOnly() || !codeOf(word, &code))
        return false;
    const int line = editor->caretLine();
    const QString text = editor->line(line);
    int start = -1;
    KeyTriggerText::FinnID(text, editor->caretColumn(), &start);
    if (start < 0 || QStringView(text).mid(start, word.size()) != word)
        return false;
    const int end = qMin(editor->caretColumn(), int(text.size()) + 1);
    const Expansion e = expand(code, start);

    editor->beginCompoundEdit();
    editor->setSelection(line, start + 1, line, end);
    editor->insertAtCaret(e.text);
    if (e.placesCaret)
        editor->setCaret(line + e.caretLine, (e.caretLine == 0 ? start : 0) + e.caretColumn + 1);
    editor->endCompoundEdit();
    return true;
}
