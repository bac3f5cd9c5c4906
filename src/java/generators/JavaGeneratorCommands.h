#pragma once

#include <QObject>

#include <functional>

class FeatureHost;
class QDialog;

// The Java code generators of the main window: the class wizard, the try/catch generator,
// the exception-class generator and the expression builder. Each opens a new modal dialog
// that inserts its text into the active document and is freed when it closes. They are
// bound to the Java "Tools" menu and to buttons on the "Java" tab.
class JavaGeneratorCommands : public QObject
{
    Q_OBJECT
public:
    // Shows a dialog modally and returns its result; tests answer it without a window.
    using ExecDialog = std::function<int(QDialog &)>;

    explicit JavaGeneratorCommands(FeatureHost &host, QObject *parent = nullptr);

    void setExecDialog(ExecDialog exec) { m_exec = std::move(exec); }

    void SpeedButton31Click(); // class wizard
    void SpeedButton32Click(); // try/catch generator, its code the document's selection
    void SpeedButton1Click();  // exception-class generator
    void SpeedButton46Click(); // expression builder

private:
    void bindCommands();
    int run(QDialog *dialog);

    FeatureHost *m_host;
    ExecDialog m_exec;
};
