#pragma once

#include <QObject>

#include <functional>

class DebugCommands;
class FeatureHost;
class HostDocument;
class QToolButton;
class TVarTrackerFrm;

// The watch list commands: the variable tracker dialog (Debugging, "Variable tracker..", the
// Java tab's "Variabel value tracker" and the document pop-up's Debugging item) and every
// document pop-up's "Add to debugger watch", enabled when the caret line holds ";". They edit
// the debugger's watch lists.
class WatchCommands : public QObject
{
    Q_OBJECT
public:
    // Shows the dialog modally and returns its result; tests answer it without a window.
    using ExecDialog = std::function<int(TVarTrackerFrm &)>;

    WatchCommands(FeatureHost &host, DebugCommands &debugger, QObject *parent = nullptr);

    QToolButton *SpeedButton44 = nullptr; // "Variabel value tracker"

    // Variable tracker, for the active document.
    void SpeedButton44Click();
    // Add to debugger watch: the caret line's variable joins the document's watch list.
    void Addtodebuggerwatch1Click(HostDocument *document);
    // The document pop-up is opening.
    void PopupMenu1Popup(HostDocument *document);

    void setExecDialog(ExecDialog exec) { m_exec = std::move(exec); }

    // The name "Add to debugger watch" takes from a line: the last identifier before the
    // line's first symbol (operator or punctuation). False when the line holds no symbol.
    static bool watchIdentifier(const QString &line, QString *identifier);

private:
    void bindDocument(HostDocument *document);

    FeatureHost *m_host;
    DebugCommands *m_debugger;
    ExecDialog m_exec;
};
