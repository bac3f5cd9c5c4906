#include "java/debug/CommandQueue.h"

#include "platform/DelphiStrings.h"

#include <QPointer>
#include <QTimer>

CommandQueue::CommandQueue(Writer write, QObject *parent)
    : QObject(parent), m_write(std::move(write)), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("CommandTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (!m_pending.isEmpty())
            writeNext();
    });
}

void CommandQueue::send(const QString &command)
{
    m_pending.append(Delphi::trim(command));
    if (!m_timer->isActive())
        writeNext();
}

void CommandQueue::writeNext()
{
    const QString command = m_pending.takeFirst();
    m_timer->start();
    QPointer<CommandQueue> self(this);
    const bool ok = m_write(command + QStringLiteral("\n\r"));
    if (self)
        emit written(command, ok);
}
