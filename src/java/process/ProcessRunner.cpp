#include "java/process/ProcessRunner.h"

#include <QFileInfo>
#include <QPointer>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

ProcessRunner::ProcessRunner(QObject *parent)
    : QObject(parent), m_process(new QProcess(this)), m_decoder(QStringDecoder::Utf8)
{
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &ProcessRunner::readAvailable);
    connect(m_process, &QProcess::finished, this, &ProcessRunner::onFinished);
    connect(m_process, &QProcess::errorOccurred, this, &ProcessRunner::onError);
}

ProcessRunner::~ProcessRunner()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->disconnect(this);
        killChild();
        m_process->waitForFinished(1000);
    }
}

void ProcessRunner::setReadSize(int bytes)
{
    m_readSize = qMax(1, bytes);
}

bool ProcessRunner::start(const QString &program, const QStringList &arguments,
                          const QString &folder)
{
    if (m_running)
        return false;
    m_running = true;
    m_program = program;
    m_arguments = arguments;
    m_output.clear();
    m_decoder.resetState();
    m_process->setWorkingDirectory(folder);
    if (m_ownGroup)
        m_process->setChildProcessModifier([] { ::setpgid(0, 0); });
    else
        m_process->setChildProcessModifier({});
    m_process->start(program, arguments, QIODevice::ReadWrite);
    return true;
}

bool ProcessRunner::write(const QString &text)
{
    if (m_process->state() != QProcess::Running)
        return false;
    return m_process->write(text.toUtf8()) >= 0;
}

void ProcessRunner::closeInput()
{
    m_process->closeWriteChannel();
}

void ProcessRunner::kill()
{
    if (m_process->state() != QProcess::NotRunning)
        killChild();
}

void ProcessRunner::killChild()
{
    const qint64 pid = m_process->processId();
    if (m_ownGroup && pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
    m_process->kill();
}

void ProcessRunner::readAvailable()
{
    const QByteArray bytes = m_process->readAllStandardOutput();
    QPointer<ProcessRunner> self(this);
    for (qsizetype at = 0; at < bytes.size(); at += m_readSize) {
        const QString piece = m_decoder.decode(
            QByteArrayView(bytes).sliced(at, qMin<qsizetype>(m_readSize, bytes.size() - at)));
        if (piece.isEmpty())
            continue; // only part of a character so far
        if (m_keepOutput)
            m_output += piece;
        emit outputReceived(piece);
        if (!self)
            return;
    }
}

void ProcessRunner::onFinished(int exitCode, QProcess::ExitStatus status)
{
    QPointer<ProcessRunner> self(this);
    readAvailable();
    if (!self || !m_running)
        return;
    m_running = false;
    emit finished(exitCode, status == QProcess::NormalExit);
}

void ProcessRunner::onError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || !m_running)
        return;
    m_running = false;

    QString reason;
    const QFileInfo info(m_program);
    const QString folder = m_process->workingDirectory();
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        reason = tr("the folder %1 does not exist").arg(folder);
    else if (info.isAbsolute() && !info.exists())
        reason = tr("the file does not exist");
    else if (info.isAbsolute() && info.isDir())
        reason = tr("it is a folder");
    else if (info.isAbsolute() && !info.isExecutable())
        reason = tr("the file is not executable");
    else
        reason = m_process->errorString();
    emit failedToStart(tr("Could not start %1: %2").arg(m_program, reason));
}

QString ProcessRunner::commandLineText(const QString &program, const QStringList &arguments)
{
    QStringList parts;
    for (const QString &part : QStringList(program) + arguments) {
        if (part.isEmpty() || part.contains(u' ') || part.contains(u'\t') || part.contains(u'"')) {
            QString quoted = part;
            quoted.replace(QStringLiteral("\""), QStringLiteral("\\\""));
            parts.append(u'"' + quoted + u'"');
        } else {
            parts.append(part);
        }
    }
    return parts.join(u' ');
}
