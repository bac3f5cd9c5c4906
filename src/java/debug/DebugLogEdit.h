#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// The debugger log ("REDebugLog"): jdb's lines are added at the end, each ending with a line
// break, so the user types a command on the last line or after the prompt on the line above
// it; Enter sends it (it inserts no line break), Tab is typed as text. The selection stays
// visible without the focus.
class DebugLogEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DebugLogEdit(QWidget *parent = nullptr);

    // Adds lines after the text (after a line break of their own when the last line holds
    // typed text); the caret goes to the new, empty last line.
    void addLines(const QStringList &lines);
    // The last line: what the user typed since the last added line.
    QString lastLine() const;
    // The line a command is typed on: the caret's line when only empty lines follow it (the
    // prompt line above the empty last line, or the last line itself), else the last line.
    QString commandLine() const;

signals:
    void returnPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_scrollPending = false;
};
