#include "completion/DocumentKeyTriggers.h"

#include "completion/CodeTemplateExpander.h"
#include "completion/HtmlAttributeCompletion.h"
#include "completion/JavaMemberCompletion.h"
#include "completion/KeyTriggerText.h"
#include "completion/ParamsHint.h"
#include "editor/EditorAdapter.h"
#include "host/HostDocument.h"
#include "platform/DelphiStrings.h"

#include <QKeyEvent>
#include <QWidget>

EditFormKeys::EditFormKeys(HostDocument *document, TSynAutoComplete *templates, Switches switches)
    : QObject(document->widget()),
      m_document(document),
      m_editor(document->editor()),
      m_templates(templates),
      m_switches(std::move(switches))
{
    setObjectName(QStringLiteral("EditFormKeys"));
    QWidget *window = document->widget();
    scpParams = new ParamsHint(m_editor, window);
    scpParams->OnExecute = [this] { return scpParamsExecute(); };
    m_hint = scpParams;
    JavaCompletion = new TCustomSynAutoComplete(window);
    HTMLCompletion = new TCustomSynAutoComplete1(window);
    JavaCompletion->AddEditor(m_editor);
    HTMLCompletion->AddEditor(m_editor);
    connect(JavaCompletion, &TCustomSynAutoComplete::completed, this,
            &EditFormKeys::memberCompleted);
    if (m_editor)
        m_editor->addKeyFilter(this, [this](QKeyEvent *event) { return onKeyPress(event); });
}

// The window frees its parts after this object: the hint may not call back into it.
EditFormKeys::~EditFormKeys()
{
    if (m_hint)
        m_hint->OnExecute = nullptr;
}

void EditFormKeys::LeggTilEditor()
{
    HTMLCompletion->AddEditor(m_editor);
}

EditFormKeys::Type EditFormKeys::type() const
{
    const QString ext = Delphi::extractFileExt(m_document->caption()).toLower();
    if (ext.contains(QLatin1String(".htm")))
        return Type::Html;
    if (ext.contains(QLatin1String(".java")))
        return Type::Java;
    if (ext.contains(QLatin1String(".xml")))
        return Type::Xml;
    return Type::Other;
}

bool EditFormKeys::onKeyPress(QKeyEvent *event)
{
    try {
        const Qt::KeyboardModifiers mods =
            event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        if (event->key() == Qt::Key_Space && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
            scpParams->activate();
            return true;
        }
        if (event->key() == Qt::Key_Escape)
            scpParams->hide();
        return SynEdit1KeyDown(event) || SynEdit1KeyPress(event);
    } catch (...) {
        return false; // the editor handles the key as if no aid were there
    }
}

bool EditFormKeys::SynEdit1KeyDown(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete: focusEditor(); return false;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Pause:
    case Qt::Key_CapsLock:
    case Qt::Key_Escape:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock: return false;
    case Qt::Key_Space: {
        const Type t = type();
        if (t == Type::Html) {
            if (!m_switches.completionProposal())
                return false;
            // The space goes into the page first; then the list of the tag opens.
            m_editor->processKey(event);
            HTMLCompletion->Execute(m_editor);
            return true;
        }
        if (t == Type::Java) {
            const QString word = KeyTriggerText::FinnID(m_editor->line(m_editor->caretLine()),
                                                        m_editor->caretColumn())
                                     .trimmed();
            if (word != QLatin1String("=") && m_switches.autoCompletion() && !isCaretXYInComment()
                && m_templates)
                m_templates->Execute(word, m_editor);
        }
        return false;
    }
    case Qt::Key_Insert:
        if (!(mods & (Qt::ControlModifier | Qt::ShiftModifier))) {
            const bool overwrite = m_document->panelText(2) == QLatin1String("Overwrite");
            m_document->setPanelText(
                2, overwrite ? QStringLiteral("Insertion") : QStringLiteral("Overwrite"));
            return false;
        }
        break;
    default: break;
    }
    m_document->setIsModified(true);
    m_document->setPanelText(1, QStringLiteral("Modified"));
    m_document->setPanelText(0,
                             QLatin1Char(' ') + QString::number(m_editor->caretLine())
                                 + QLatin1Char(':') + QString::number(m_editor->caretColumn()));
    return false;
}

bool EditFormKeys::SynEdit1KeyPress(QKeyEvent *event)
{
    const QString text = event->text();
    if (text == QLatin1String(".")) {
        m_editor->insertAtCaret(text);
        if (type() == Type::Java && m_switches.completionProposal() && !isCaretXYInComment())
            JavaCompletion->Execute(m_editor);
        // The open list keeps the keyboard; the editor has it back when the list closes.
        if (!JavaCompletion->isListShown())
            focusEditor();
        return true;
    }
    if (text == QLatin1String(">")) {
        const Type t = type();
        const QString line = m_editor->line(m_editor->caretLine());
        if (t == Type::Html && !isCaretXYInCommentHTMLv())
            FindAndInsertEndTagHTML(line);
        if (t == Type::Xml && !isCaretXYInCommentXMLv())
            FindAndInsertEndTagXML(line);
        return false;
    }
    if (text == QLatin1String("("))
        scpParams->triggerByCharacter();
    return false;
}

int EditFormKeys::scpParamsExecute()
{
    return KeyTriggerText::paramsHintIndex(m_editor->line(m_editor->caretLine()),
                                           m_editor->caretColumn(), m_completedMethodName);
}

bool EditFormKeys::isCaretXYInComment() const
{
    return KeyTriggerText::isCaretXYInComment(m_editor->lines(), m_editor->caretLine(),
                                              m_editor->caretColumn());
}

bool EditFormKeys::isCaretXYInCommentHTMLv() const
{
    return KeyTriggerText::isCaretXYInCommentHTMLv(m_editor->lines(), m_editor->caretLine(),
                                                   m_editor->caretColumn());
}

bool EditFormKeys::isCaretXYInCommentXMLv() const
{
    return KeyTriggerText::isCaretXYInCommentXMLv(m_editor->lines(), m_editor->caretLine(),
                                                  m_editor->caretColumn());
}

void EditFormKeys::FindAndInsertEndTagHTML(const QString &line)
{
    insertEndTag(KeyTriggerText::endTagHTML(line, m_editor->caretColumn()));
}

void EditFormKeys::FindAndInsertEndTagXML(const QString &line)
{
    insertEndTag(KeyTriggerText::endTagXML(line, m_editor->caretColumn()));
}

void EditFormKeys::insertEndTag(const QString &tag)
{
    if (tag.isEmpty())
        return;
    const int line = m_editor->caretLine();
    const int column = m_editor->caretColumn();
    m_editor->beginCompoundEdit();
    m_editor->insertAtCaret(tag);
    m_editor->setCaret(line, column);
    m_editor->endCompoundEdit();
}

void EditFormKeys::focusEditor()
{
    if (QWidget *w = m_editor->widget())
        w->setFocus();
}

void EditFormKeys::memberCompleted(const QString &methodName, const QString &paramsItem,
                                   bool showHint)
{
    m_completedMethodName = methodName;
    scpParams->ItemList = QStringList {paramsItem};
    if (showHint)
        scpParams->activate();
}
