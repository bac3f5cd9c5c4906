#include "javagen/JavaMemo.h"

#include <QWidget>

#include "editor/EditorAdapter.h"
#include "editor/Highlighter.h"

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
