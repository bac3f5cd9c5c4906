#pragma once

class EditorAdapter;
class QWidget;

// The small Java editor of the generator dialogs ("SynMemo1"): Java highlighting, no
// gutter, auto-indent and tabs to spaces.
namespace JavaMemo {

EditorAdapter *make(QWidget *parent);

} // namespace JavaMemo
