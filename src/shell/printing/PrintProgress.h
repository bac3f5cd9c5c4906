#pragma once

#include "editor/output/PrintEngine.h"

#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;
class QWidget;

// The progress of a print: "Counting pages: n", then "Printing page n of N", in a modal
// dialog with Cancel that shows once the work has taken half a second. While the engine works
// the program goes on answering (painting, and Cancel once the dialog shows; other input
// waits).
class PrintProgress
{
public:
    explicit PrintProgress(QWidget *parent);
    ~PrintProgress();
    PrintProgress(const PrintProgress &) = delete;
    PrintProgress &operator=(const PrintProgress &) = delete;

    // The engine's progress function: false once Cancel was pressed.
    PrintEngine::Progress callback();

private:
    bool update(int done, int count);

    QPointer<QProgressDialog> m_dialog;
    QElapsedTimer m_started;
};
