#include "shell/printing/PrintProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

PrintProgress::PrintProgress(QWidget *parent) : m_dialog(new QProgressDialog(parent))
{
    m_dialog->setObjectName(QStringLiteral("PrintProgress"));
    m_dialog->setWindowTitle(QStringLiteral("Printing"));
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    // Shown by update, not by the dialog's own timer.
    m_dialog->setMinimumDuration(24 * 3600 * 1000);
    m_dialog->setLabelText(QStringLiteral("Counting pages: 0"));
    m_started.start();
}

PrintProgress::~PrintProgress()
{
    delete m_dialog;
}

PrintEngine::Progress PrintProgress::callback()
{
    return [this](int done, int count) { return update(done, count); };
}

bool PrintProgress::update(int done, int count)
{
    if (!m_dialog)
        return false;
    if (count == 0) {
        m_dialog->setRange(0, 0);
        m_dialog->setLabelText(QStringLiteral("Counting pages: %1").arg(done));
    } else {
        m_dialog->setRange(0, count);
        m_dialog->setValue(done);
        m_dialog->setLabelText(QStringLiteral("Printing page %1 of %2").arg(done + 1).arg(count));
    }
    if (!m_dialog->isVisible() && m_started.elapsed() >= 500)
        m_dialog->show();
    // Until the dialog shows and holds the input, input waits.
    QCoreApplication::processEvents(m_dialog->isVisible() ? QEventLoop::AllEvents
                                                          : QEventLoop::ExcludeUserInputEvents);
    return m_dialog && !m_dialog->wasCanceled();
}
