#include "shell/commands/GotoLineFrm.h"

#include "editor/EditorAdapter.h"
#include "platform/DelphiStrings.h"
#include "platform/DialogButtonRow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TGotoLineFrm::TGotoLineFrm(int lineCount, std::function<EditorAdapter *()> activeEditor,
                           QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_activeEditor(std::move(activeEditor))
{
    setObjectName(QStringLiteral("GotoLineFrm"));
    setWindowTitle(QStringLiteral("Goto line"));
    setModal(false);

    GroupBox1 = new QGroupBox(QStringLiteral("Line number (1 - ") + QString::number(lineCount)
                                  + QStringLiteral("):"),
                              this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = new QLineEdit(QStringLiteral("1"), GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    auto *boxLayout = new QHBoxLayout(GroupBox1);
    boxLayout->addWidget(Edit1);

    // Enter in the edit field presses OK.
    QHBoxLayout *buttons = dialogButtonRow(this, {{&Button1, "Button1", QStringLiteral("OK")}},
                                           EnterPresses::FocusedElseFirst, Qt::AlignHCenter);
    connect(Button1, &QPushButton::clicked, this, &TGotoLineFrm::Button1Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    adjustSize();
    if (QScreen *s = screen()) {
        QRect frame = geometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
    Edit1->selectAll();
    Edit1->setFocus();
}

void TGotoLineFrm::Button1Click()
{
    EditorAdapter *editor = m_activeEditor ? m_activeEditor() : nullptr;
    if (!editor) {
        close();
        return;
    }
    int line = 0;
    if (!Delphi::strToIntOrComplain(this, Edit1->text(), line))
        return;
    editor->setCaret(line, editor->caretColumn()); // held within the document
    close();
    if (QWidget *w = editor->widget()) {
        w->activateWindow();
        w->setFocus();
    }
}
