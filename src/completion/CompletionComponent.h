#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class EditorAdapter;

// What the two completion components of a document window share: the editors they serve and
// the one chosen with SetEditor.
class CompletionComponent : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    EditorAdapter *Editor() const { return m_editor; }
    QList<EditorAdapter *> Editors() const;

    // False for no editor; true when the editor is listed (also when it was already).
    bool AddEditor(EditorAdapter *editor);
    // False for no editor or one not listed.
    bool RemoveEditor(EditorAdapter *editor);
    // Serves the editor instead of the one chosen before.
    void SetEditor(EditorAdapter *editor);

private:
    QPointer<EditorAdapter> m_editor;
    QList<QPointer<EditorAdapter>> m_editors;
};
