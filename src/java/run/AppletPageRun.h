#pragma once

#include "java/run/AppletPage.h"

#include <QObject>
#include <QString>
#include <QStringList>

class ProcessRunner;

// One run of the applet viewer: writes the applet page beside the class, starts the viewer
// on it (the viewer's window shows; its output is read and dropped) and removes the page
// when the viewer has ended, could not be started, or this object goes away first.
// A started run deletes itself when it is over.
class AppletPageRun : public QObject
{
    Q_OBJECT
public:
    explicit AppletPageRun(QObject *parent = nullptr);
    ~AppletPageRun() override;

    // Writes the page for classFileName into folder and starts program with arguments
    // followed by the page's bare name, in folder. Returns false with the reason in error
    // when the page could not be written; nothing is started then.
    bool start(const QString &folder, const QString &classFileName, const QString &program,
               const QStringList &arguments, QString *error = nullptr);

    const AppletPage &page() const { return m_page; }
    QString program() const;
    QStringList arguments() const;

signals:
    // The viewer has ended and the page is gone.
    void finished();

private:
    void end();

    AppletPage m_page;
    ProcessRunner *m_process;
    bool m_ended = false;
};
