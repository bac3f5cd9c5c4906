#include "java/run/AppletPageRun.h"

#include "java/process/ProcessRunner.h"

#include <QFileInfo>

namespace {
// The viewer's output is read in small pieces and dropped.
constexpr int ReadSize = 16;
} // namespace

AppletPageRun::AppletPageRun(QObject *parent) : QObject(parent), m_process(new ProcessRunner(this))
{
    m_process->setKeepOutput(false);
    m_process->setReadSize(ReadSize);
    connect(m_process, &ProcessRunner::finished, this, &AppletPageRun::end);
    connect(m_process, &ProcessRunner::failedToStart, this, &AppletPageRun::end);
}

AppletPageRun::~AppletPageRun() = default; // the runner ends a viewer still running; the page goes

bool AppletPageRun::start(const QString &folder, const QString &classFileName,
                          const QString &program, const QStringList &arguments, QString *error)
{
    if (!m_page.write(folder, classFileName, error))
        return false;
    m_process->start(program, arguments + QStringList {QFileInfo(m_page.fileName()).fileName()},
                     folder);
    return true;
}

QString AppletPageRun::program() const
{
    return m_process->program();
}

QStringList AppletPageRun::arguments() const
{
    return m_process->arguments();
}

void AppletPageRun::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_page.remove();
    emit finished();
    deleteLater();
}
