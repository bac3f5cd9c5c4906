#include "java/run/ConsoleRunner.h"

#include "java/process/ProcessRunner.h"
#include "platform/DelphiStrings.h"

namespace {
constexpr int ReadSize = 1500;
}

TRunnerThread::TRunnerThread(QObject *parent) : QObject(parent), m_process(new ProcessRunner(this))
{
    m_process->setKeepOutput(false);
    m_process->setReadSize(ReadSize);
    connect(m_process, &ProcessRunner::outputReceived, this, &TRunnerThread::feed);
    connect(m_process, &ProcessRunner::finished, this, &TRunnerThread::finish);
    connect(m_process, &ProcessRunner::failedToStart, this, &TRunnerThread::finish);
}

TRunnerThread::~TRunnerThread() = default;

void TRunnerThread::start(const QString &program, const QStringList &arguments,
                          const QString &workDir)
{
    m_process->start(program, arguments, workDir);
}

bool TRunnerThread::SendInputLine(const QString &line)
{
    if (m_finished)
        return false;
    return m_process->write(Delphi::trim(line) + QStringLiteral("\r\n"));
}

void TRunnerThread::stop()
{
    if (!m_finished)
        m_process->kill();
}

void TRunnerThread::feed(const QString &piece)
{
    if (m_finished || piece.isEmpty())
        return;
    m_line += piece;
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
