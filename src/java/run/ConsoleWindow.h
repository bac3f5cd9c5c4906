#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolButton;
class TRunnerThread;

// TProgRunFrm (unit ProgRunrUnit):
// The console window of a running Java program: the program's output appears line by
// line, a line typed on the last line is sent to the program when Enter is pressed, and
// "Done!" ends the text when the program has ended. Closing the window hides it and ends
// its program, so no program runs on unseen. Each window owns its runner, so an older
// console still talks to its own program.
class TProgRunFrm : public QWidget
{
    Q_OBJECT
public:
    // Starts program (arguments, working folder) at once; documentCaption is the bare
    // file name of the document shown in the caption.
    TProgRunFrm(QWidget *owner, const QString &documentCaption, const QString &program,
                const QStringList &arguments, const QString &workDir);

    bool Finished() const { return m_finished; }
    TRunnerThread *runner() const { return m_runner; }

    QPlainTextEdit *RichEdit1 = nullptr;
    QTimer *Timer1 = nullptr;
    QToolButton *Copy = nullptr;
    QToolButton *Cut = nullptr;
    QToolButton *Paste = nullptr;
    QToolButton *SelectAll = nullptr;
    QToolButton *Undo = nullptr;
    QMenu *PopupMenu1 = nullptr;

public slots:
    void CopyClick();
    void CutClick();
    void PasteClick();
    void SelectAllClick();
    void UndoClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QToolButton *makeButton(const QString &name, const QString &hint, const QString &iconName,
                            void (TProgRunFrm::*slot)());
    void buildPopupMenu();
    void addLine(const QString &text);
    void RichEdit1KeyDown();
    void Timer1Timer();
    void programFinished();

    TRunnerThread *m_runner = nullptr;
    bool m_finished = false;
};
