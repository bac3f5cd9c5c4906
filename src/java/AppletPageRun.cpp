#include "java/AppletPageRun.h"

#include <QFileInfo>

AppletPageRun::AppletPageRun(QObject *parent) : QObject(parent), m_process(new QProcess(this))
{
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::readyReadStandardOutput, this,
            [this] { m_process->readAllStandardOutput(); });
    connect(m_process, &QProcess::finished, this, &AppletPageRun::end);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end();
    });
}

AppletPageRun::~AppletPageRun()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(2000);
    }
}

bool AppletPageRun::start(const QString &folder, const QString &classFileName,
                          const QString &program, const QStringList &arguments, QString *error)
{
    if (!m_page.write(folder, classFileName, error))
        return false;
    m_process->setWorkingDirectory(folder);
    m_process->setProgram(program);
    m_process->setArguments(arguments + QStringList{QFileInfo(m_page.fileName()).fileName()});
    m_process->start();
    return true;
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
