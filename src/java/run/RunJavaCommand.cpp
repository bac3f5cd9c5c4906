#include "java/run/RunJavaCommand.h"

#include "editor/EditorAdapter.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "java/run/ConsoleWindow.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "settings/store/AppSettings.h"

using Settings::Key;

RunJavaCommand::RunJavaCommand(FeatureHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    setObjectName(QStringLiteral("RunJavaCommand"));
}

::RunJava::Result RunJavaCommand::RunJava(::RunJava::Origin origin, const QString &fileName)
{
    HostDocument *document = m_host.activeDocument();
    if (!fileName.isEmpty()) {
        // The compiled document, wherever it stands now; nothing when it was closed.
        document = nullptr;
        for (HostDocument *d : m_host.documents()) {
            if (d->fileName() == fileName)
                document = d;
        }
    }
    if (!document)
        return {};
    const AppSettings &settings = m_host.settings();
    RunJavaSettings run;
    run.javaBinDir = settings.textValue(Key::JavaBinDir);
    run.classPath = settings.textValue(Key::ClassPathDir);
    run.javaAppsInDosWindow = settings.boolValue(Key::JavaAppsInDosWindow);
    ::RunJava runner(m_host.window(), *Shell::instance(), *Prompter::instance());
    const ::RunJava::Result result =
        runner.run(document->fileName(), document->editor()->text(), run, origin);
    if (result.console)
        ProgRunWindow = result.console;
    return result;
}
