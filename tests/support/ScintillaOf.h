#pragma once

// Tests of the editor layer look at the QScintilla widget behind an EditorAdapter.
#include "editor/EditorAdapter.h"

#include <Qsci/qsciscintilla.h>

inline QsciScintilla *scintillaOf(const EditorAdapter &editor)
{
    return qobject_cast<QsciScintilla *>(editor.widget());
}
