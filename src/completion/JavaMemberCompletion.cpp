#include "completion/JavaMemberCompletion.h"

#include "analysis/javasource/JavaScanner.h"
#include "completion/MemberCompletionText.h"
#include "completion/MemberListPopup.h"
#include "editor/EditorAdapter.h"
#include "platform/AppPaths.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTreeWidget>

using namespace MemberCompletionText;

TCustomSynAutoComplete::TCustomSynAutoComplete(QWidget *window)
    : CompletionComponent(window), Form(new TfmCompletionProposal(window))
{
    setObjectName(QStringLiteral("JavaCompletion"));
    shared().staticOnly = false;
    Form->List->installEventFilter(this);
    connect(Form->List, &QTreeWidget::itemDoubleClicked, this, [this] { accept(true); });
}

// The list's events while the form goes down must not reach the filter: the form is no longer
// whole then.
TCustomSynAutoComplete::~TCustomSynAutoComplete()
{
    TfmCompletionProposal *form = Form;
    Form = nullptr;
    if (form) {
        form->List->removeEventFilter(this);
        delete form;
    }
}

TCustomSynAutoComplete::Shared &TCustomSynAutoComplete::shared()
{
    static Shared state;
    return state;
}

bool TCustomSynAutoComplete::isListShown() const
{
    return Form && Form->isVisible();
}

void TCustomSynAutoComplete::Execute(EditorAdapter *editor)
{
    if (!editor)
        return;
    QPoint p = editor->caretScreenPoint();
    p.ry() += editor->lineHeight();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const int desktopWidth = screen->virtualGeometry().width();
        if (desktopWidth <= p.x() + 420)
            p.setX(desktopWidth - 425);
    }
    ShowMemberList(editor, p.x(), p.y());
}

void TCustomSynAutoComplete::ShowMemberList(EditorAdapter *editor, int x, int y)
{
    Shared &state = shared();
    state.staticOnly = false;
    Form->setEntries({});
    if (!editor)
        return;
    const int line = editor->caretLine();
    const int column = editor->caretColumn();
    const QString text = editor->line(line);
    const DotWord dot = wordBeforeDot(text, column);
    const QString folder = AppPaths::dataPath(QStringLiteral("completion"));

    QString caption;
    QString file = memberFile(folder, dot.lastIdentifier.trimmed());
    QString className;
    const QStringList lines = editor->lines();
    if (!file.isEmpty()) {
        caption = QStringLiteral("Class: ") + dot.lastIdentifier;
        state.staticOnly = true;
    } else {
        QString type;
        if (!findDeclaredType(lines, line, dot.word, &type))
            return;
        caption = QStringLiteral("Class: ") + type.trimmed();
        file = memberFile(folder, type);
        if (file.isEmpty())
            className = type;
    }

    Form->MemberList = file.isEmpty() ? JavaScanner::FinnAlleDatamedlemmer(lines, className, false)
                                      : readMembers(file, state.staticOnly);
    if (Form->MemberList.isEmpty())
        return;
    Form->setCaption(caption);
    Form->setEntries(entryTexts(Form->MemberList));
    Form->setColumnWidth(Form->MemberList.size() < 4 ? 420 : 403);
    Form->Editor = editor;
    state.filterList = Form->MemberList;
    state.savedLine = text;
    state.savedLength = int(text.size());
    state.line = line;
    state.dotColumn = column - 1;
    Form->showAt(x, y);
}

void TCustomSynAutoComplete::ExecuteCompletion(const QString &entry, EditorAdapter *editor)
{
    if (!editor || entry.isEmpty())
        return;
    const Insertion in = insertionFor(entry);
    editor->beginCompoundEdit();
    editor->insertAtCaret(in.text);
    if (in.caretBack)
        editor->setCaret(editor->caretLine(), editor->caretColumn() - 1);
    editor->endCompoundEdit();
    emit completed(in.methodName, in.paramsItem, in.showHint);
}

void TCustomSynAutoComplete::accept(bool focusEditor)
{
    const QString entry = Form->selectedEntry();
    EditorAdapter *editor = Form->Editor;
    if (entry.isEmpty() || !editor)
        return;
    const Shared &state = shared();
    Form->hide();
    editor->beginCompoundEdit();
    editor->replaceLine(state.line, state.savedLine);
    editor->setCaret(state.line, state.dotColumn + 1);
    editor->endCompoundEdit();
    ExecuteCompletion(entry, editor);
    if (focusEditor && editor->widget())
        editor->widget()->setFocus();
}

void TCustomSynAutoComplete::refilter()
{
    EditorAdapter *editor = Form->Editor;
    const Shared &state = shared();
    const QString line = editor->line(state.line);
    const int caret = editor->caretColumn();
    const QString typed = line.mid(state.dotColumn, qMax(0, caret - 1 - state.dotColumn));
    const QStringList entries = filterEntries(state.filterList, typed);
    Form->setEntries(entries);
    Form->setColumnWidth(entries.size() <= 4 ? 420 : 403);
    Form->selectTop();
}

bool TCustomSynAutoComplete::listKey(QKeyEvent *event)
{
    EditorAdapter *editor = Form->Editor;
    if (!editor) {
        Form->hide();
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: accept(true); return true;
    case Qt::Key_Space: accept(false); return true;
    case Qt::Key_Escape: Form->hide(); return true;
    case Qt::Key_Backspace:
        editor->deleteBeforeCaret(1);
        if (editor->caretColumn() <= shared().dotColumn)
            Form->hide(); // the dot is gone
        else
            refilter();
        return true;
    default: break;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.at(0) < QLatin1Char(' ') || text.at(0) == QChar(0x7f))
        return false; // moving in the list
    editor->insertAtCaret(text);
    refilter();
    return true;
}

bool TCustomSynAutoComplete::eventFilter(QObject *watched, QEvent *event)
{
    if (Form && watched == Form->List && event->type() == QEvent::KeyPress) {
        try {
            return listKey(static_cast<QKeyEvent *>(event));
        } catch (...) {
            Form->hide();
            return true;
        }
    }
    return CompletionComponent::eventFilter(watched, event);
}
