#include "java/ProgRunrUnitRunner.h"

#include "platform/DelphiStrings.h"

TRunnerThread::TRunnerThread(QObject *parent) : QObject(parent) {}

TRunnerThread::~TRunnerThread()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(2000);
    }
}

void TRunnerThread::start(const QString &program, const QStringList &arguments,
                          const QString &workDir)
{
    Q_ASSERT(!m_process);
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setWorkingDirectory(workDir);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &TRunnerThread::readOutput);
    connect(m_process, &QProcess::finished, this, [this] {
        readOutput();
        finish();
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish();
    });
    m_process->start(program, arguments);
}

bool TRunnerThread::SendInputLine(const QString &line)
{
    if (!isRunning())
        return false;
    const QByteArray bytes = (Delphi::trim(line) + QStringLiteral("\r\n")).toUtf8();
    return m_process->write(bytes) == bytes.size();
}

bool TRunnerThread::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running && !m_finished;
}

void TRunnerThread::readOutput()
{
    if (m_process)
        feed(m_process->readAllStandardOutput());
}

void TRunnerThread::feed(const QByteArray &bytes)
{
    if (m_finished || bytes.isEmpty())
        return;
    m_line += m_decoder.decode(bytes);
    const qsizetype lastBreak = m_line.lastIndexOf(QLatin1Char('\n'));
    if (lastBreak < 0)
        return;
    const QString complete = m_line.left(lastBreak);
    m_line.remove(0, lastBreak + 1);
    const QStringList lines = complete.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString shown = Delphi::trim(line);
        if (!shown.isEmpty())
            emit lineReady(shown);
    }
}

void TRunnerThread::finish()
{
    if (m_finished)
        return;
    const QString rest = takePartialLine();
    m_finished = true;
    if (!rest.isEmpty())
        emit lineReady(rest);
    emit finished();
}

QString TRunnerThread::takePartialLine()
{
    if (Delphi::trim(m_line).isEmpty())
        return QString();
    QString line;
    line.swap(m_line);
    return line;
}
