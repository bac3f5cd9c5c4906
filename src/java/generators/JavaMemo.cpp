#include "java/generators/JavaMemo.h"

#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"

#include <QWidget>

namespace JavaMemo {

EditorAdapter *make(QWidget *parent)
{
    auto *memo = new EditorAdapter(parent);
    memo->setObjectName(QStringLiteral("SynMemo1"));
    memo->widget()->setObjectName(QStringLiteral("SynMemo1"));
    memo->setHighlighter(new Highlighter(Highlighter::Java, memo));
    memo->setGutterVisible(false);
    memo->setAutoIndent(true);
    memo->setTabsToSpaces(true);
    return memo;
}

} // namespace JavaMemo
