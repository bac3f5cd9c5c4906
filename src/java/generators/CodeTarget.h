#pragma once

#include <QString>

#include <functional>

class EditorAdapter;

// Where the Java code generators put their text: the document active at the moment of the
// call. The dialogs read it when they need it (OK, each preview), never before.
struct CodeTarget {
    // The active document's editor; nullptr when none is open.
    std::function<EditorAdapter *()> editor;
    // Inserts at the active document's caret, replacing its selection.
    std::function<void(const QString &)> insert;

    EditorAdapter *activeEditor() const { return editor ? editor() : nullptr; }
    // The leading blanks of the active document's caret line.
    QString indent() const;
    void insertText(const QString &text) const
    {
        if (insert)
            insert(text);
    }
};
