#include "java/generators/CodeTarget.h"

#include "editor/EditorAdapter.h"

QString CodeTarget::indent() const
{
    EditorAdapter *e = activeEditor();
    return e ? e->caretLineIndent() : QString();
}
