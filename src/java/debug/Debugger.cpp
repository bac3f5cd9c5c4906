#include "java/debug/Debugger.h"

#include "java/debug/CommandQueue.h"
#include "java/process/JavaCommandLine.h"
#include "java/process/ProcessRunner.h"

#include <QPointer>
#include <QTimer>

TDebugger::TDebugger(QObject *parent)
    : QObject(parent), m_runner(new ProcessRunner(this)), m_killTimer(new QTimer(this))
{
    m_runner->setReadSize(1);
    m_runner->setKeepOutput(false);
    m_runner->setOwnProcessGroup(true);
    connect(m_runner, &ProcessRunner::outputReceived, this, &TDebugger::outputReceived);
    connect(m_runner, &ProcessRunner::finished, this, &TDebugger::ended);
    connect(m_runner, &ProcessRunner::failedToStart, this, [this](const QString &message) {
        emit lineRead(message);
        ended();
    });

    m_commands =
        new CommandQueue([this](const QString &text) { return m_runner->write(text); }, this);
    connect(m_commands, &CommandQueue::written, this, [this](const QString &command, bool ok) {
        if (!ok)
            return;
        if (command == QLatin1String("exit"))
            m_killTimer->start();
        emit commandWritten(command);
    });

    m_killTimer->setObjectName(QStringLiteral("KillTimer"));
    m_killTimer->setSingleShot(true);
    m_killTimer->setInterval(3000);
    connect(m_killTimer, &QTimer::timeout, this, [this] {
        if (m_runner->isRunning())
            m_runner->kill();
    });
}

// The runner, going with this object, kills a jdb still running together with its program.
TDebugger::~TDebugger() = default;

bool TDebugger::RunDebugSession(const ToolCommand &command)
{
    if (m_started)
        return false;
    m_started = true;
    m_reader.reset();
    m_runner->start(command.program, command.arguments, command.folder);
    return true;
}

bool TDebugger::isRunning() const
{
    return m_runner->isRunning();
}

void TDebugger::outputReceived(const QString &piece)
{
    QList<JdbOutputReader::Event> events;
    m_reader.feed(piece, events);
    QPointer<TDebugger> self(this);
    for (const JdbOutputReader::Event &e : events) {
        switch (e.kind) {
        case JdbOutputReader::Event::Line: emit lineRead(e.text); break;
        case JdbOutputReader::Event::Prompt:
            emit lineRead(e.text);
            if (self)
                emit promptRead();
            break;
        case JdbOutputReader::Event::Initializing: emit initializing(); break;
        }
        if (!self)
            return;
    }
}

void TDebugger::ended()
{
    m_killTimer->stop();
    m_commands->clear();
    m_done = true;
    QPointer<TDebugger> self(this);
    emit lineRead(QStringLiteral("Debug session, done!"));
    if (self)
        emit sessionEnded();
}

void TDebugger::SendCommand(const QString &command)
{
    if (m_runner->isRunning())
        m_commands->send(command);
}

void TDebugger::SendWatchDumps(const QStringList &watches)
{
    for (const QString &w : watches)
        SendCommand(QStringLiteral("dump ") + w);
}

void TDebugger::SendBreakpointsAndRun(const QString &mainClass, const QList<int> &lines)
{
    for (int line : lines)
        SendCommand(QStringLiteral("stop at ") + mainClass + u':' + QString::number(line));
    SendCommand(QStringLiteral("run ") + mainClass);
}

void TDebugger::exit()
{
    if (!m_runner->isRunning())
        return;
    m_commands->clear();
    m_commands->send(QStringLiteral("exit"));
}
