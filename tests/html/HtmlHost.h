#pragma once

// The HTML wizards over a fake host: the wizard host the main window gives them, and a page to
// write into.
#include "FakeFeatureHost.h"
#include "editor/EditorAdapter.h"
#include "html/widgets/WizardHost.h"

// What the wizards see of host: its window, its active document and its project.
inline WizardHost wizardHost(FeatureHost &host)
{
    return {host.window(), [&host](const QString &text) { host.insertText(text); },
            [&host] { return host.project(); }, [&host] { return host.activeEditor(); }};
}

// A new active document holding lines, with the caret at line and column.
inline EditorAdapter *openPage(FakeFeatureHost &host, const QStringList &lines = {}, int line = 1,
                               int column = 1)
{
    EditorAdapter *editor = host.open(QStringLiteral("page.html"), lines.join('\n'))->editor();
    editor->setCaret(line, column);
    return editor;
}
