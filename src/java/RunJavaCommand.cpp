#include "java/RunJavaCommand.h"

#include "editor/EditorAdapter.h"
#include "java/CompileCommands.h"
#include "java/MainFormCompileHost.h"
#include "java/ProgRunrUnit.h"
#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "settings/SettingsKeys.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

RunJavaCommand::RunJavaCommand(TMainForm &mainForm) : QObject(&mainForm), m_mainForm(mainForm)
{
    setObjectName(QStringLiteral("RunJavaCommand"));
}

RunJavaCommand *RunJavaCommand::install(TMainForm *mainForm)
{
    auto *command = new RunJavaCommand(*mainForm);
    // Only Compile and run may go to a terminal ("JavaAppsInDosWindow"); the result
    // window's "Run" always uses the console window.
    if (CompileCommands *compile = MainFormCompileHost::commandsOf(mainForm))
        connect(compile, &CompileCommands::runProgramRequested, command,
                [command](bool fromCompileAndRun, const QString &fileName) {
                    command->RunJava(fromCompileAndRun ? ::RunJava::Origin::CompileAndRun
                                                       : ::RunJava::Origin::RunCommand,
                                     fileName);
                });
    return command;
}

::RunJava::Result RunJavaCommand::RunJava(::RunJava::Origin origin, const QString &fileName)
{
    TEditForm *window = m_mainForm.GetActiveEditor();
    if (!fileName.isEmpty()) {
        // The compiled document, wherever it stands now; nothing when it was closed.
        window = nullptr;
        for (TEditForm *w : m_mainForm.documentWindows()) {
            if (w->DocumentFileName == fileName)
                window = w;
        }
    }
    if (!window)
        return {};
    RunJavaSettings settings;
    if (const IniFile *ini = m_mainForm.iniFile()) {
        using namespace SettingsKeys;
        settings.javaBinDir = ini->readString(QLatin1String(CompilerOptions),
                                              QLatin1String(JavaBinDir), QString());
        settings.classPath = ini->readString(QLatin1String(CompilerOptions),
                                             QLatin1String(ClassPathDir), QString());
        settings.javaAppsInDosWindow = ini->readBool(QLatin1String(ApplicationOptions),
                                                     QLatin1String(JavaAppsInDosWindow), false);
    }
    ::RunJava runner(&m_mainForm, *Shell::instance(), *Prompter::instance());
    const ::RunJava::Result result = runner.run(window->DocumentFileName,
                                              window->SynEdit1->text(), settings, origin);
    if (result.console)
        ProgRunWindow = result.console;
    return result;
}
