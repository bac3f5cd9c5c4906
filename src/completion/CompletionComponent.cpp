#include "completion/CompletionComponent.h"

#include "editor/EditorAdapter.h"

QList<EditorAdapter *> CompletionComponent::Editors() const
{
    QList<EditorAdapter *> list;
    for (const QPointer<EditorAdapter> &e : m_editors)
        if (e)
            list.append(e);
    return list;
}

bool CompletionComponent::AddEditor(EditorAdapter *editor)
{
    if (!editor)
        return false;
    if (!m_editors.contains(editor)) {
        m_editors.append(editor);
        // A closed editor leaves the list (its pointers are cleared by then).
        connect(editor, &QObject::destroyed, this, [this] {
            m_editors.removeIf([](const QPointer<EditorAdapter> &e) { return e.isNull(); });
        });
    }
    return true;
}

bool CompletionComponent::RemoveEditor(EditorAdapter *editor)
{
    if (!editor)
        return false;
    const qsizetype i = m_editors.indexOf(editor);
    if (i < 0)
        return false;
    if (m_editor == editor)
        m_editor = nullptr;
    m_editors.removeAt(i);
    disconnect(editor, &QObject::destroyed, this, nullptr);
    return true;
}

void CompletionComponent::SetEditor(EditorAdapter *editor)
{
    if (editor == m_editor)
        return;
    if (m_editor)
        RemoveEditor(m_editor);
    m_editor = nullptr;
    if (AddEditor(editor))
        m_editor = editor;
}
