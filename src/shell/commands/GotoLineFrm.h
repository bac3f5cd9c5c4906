#pragma once

#include <QDialog>

#include <functional>

class EditorAdapter;
class QGroupBox;
class QLineEdit;
class QPushButton;

// "Goto line": a tool window kept on top and centred on the screen. Its caption names the line
// count the active document had when it was made; OK (or Enter) puts the caret of the document
// then active on the line entered, held within the document, and closes the window. A text
// that is no integer is reported and the window stays; with no document open OK only closes it.
class TGotoLineFrm : public QDialog
{
    Q_OBJECT
public:
    // activeEditor gives the active document's editor at the time of OK (nullptr: none).
    TGotoLineFrm(int lineCount, std::function<EditorAdapter *()> activeEditor,
                 QWidget *parent = nullptr);

    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;

    void Button1Click();

private:
    std::function<EditorAdapter *()> m_activeEditor;
};
