#pragma once

// A started main window in its own temporary program folder, with scripted message boxes and
// file dialogs. Members are destroyed in reverse order: the window goes before the fakes.
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <memory>

#include "FakeFileDialogs.h"
#include "FakePrompter.h"
#include "TempProgramFolder.h"
#include "editor/EditorAdapter.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

struct ShellFixture {
    TempProgramFolder folder;
    FakePrompter prompter;
    FakeFileDialogs dialogs;
    std::unique_ptr<TMainForm> main;

    explicit ShellFixture(const QByteArray &ini = QByteArray())
    {
        if (!ini.isNull())
            folder.writeFile(QStringLiteral("qmEditor.ini"), ini);
    }

    ~ShellFixture()
    {
        if (main)
            main->hide();
    }

    // Creates and shows the main window; the start-up timer runs when runTimer is true.
    TMainForm *start(const QStringList &arguments = {}, bool runTimer = true)
    {
        main = std::make_unique<TMainForm>(arguments);
        main->resize(1000, 700);
        main->show();
        if (!QTest::qWaitForWindowExposed(main.get()))
            qWarning("main window not exposed");
        if (runTimer)
            main->OneTimeTimerTimer();
        return main.get();
    }

    TEditForm *active() const { return main->GetActiveEditor(); }

    QString path(const QString &name) const { return folder.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        folder.writeFile(name, bytes);
        return folder.filePath(name);
    }

    QByteArray read(const QString &fullPath) const
    {
        QFile f(fullPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QByteArray iniText() const { return folder.readFile(QStringLiteral("qmEditor.ini")); }

    // Closes a document window as the user would; true when it went.
    static bool closeWindow(TEditForm *w)
    {
        return w->subWindow()->close();
    }
};
