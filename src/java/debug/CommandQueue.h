#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QTimer;

// The debugger's commands in the order they were given. Each command is trimmed and written
// whole, followed by a line feed and a carriage return, in one write; after each write the
// queue waits 500 ms (its timer) before it writes the next one, so that jdb has answered.
// The window goes on meanwhile.
class CommandQueue : public QObject
{
    Q_OBJECT
public:
    // write receives each command's bytes as text; it returns false when they could not be
    // written (the command is dropped all the same).
    using Writer = std::function<bool(const QString &text)>;

    explicit CommandQueue(Writer write, QObject *parent = nullptr);

    // Queues a command; written at once when the queue is idle.
    void send(const QString &command);
    // Drops the commands not yet written.
    void clear() { m_pending.clear(); }

    QStringList pending() const { return m_pending; }
    // The pause after a write (single shot, 500 ms).
    QTimer *timer() const { return m_timer; }

signals:
    // A command was handed to the writer (trimmed, without its line end).
    void written(const QString &command, bool ok);

private:
    void writeNext();

    Writer m_write;
    QStringList m_pending;
    QTimer *m_timer;
};
