#pragma once

// A started main window in its own program folder, with the Options dialog one call away and
// every message box, file dialog, launch and help page answered by fakes.
#include "FakeHelpViewer.h"
#include "FakeShell.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "platform/IniFile.h"
#include "settings/options/OptionsFeature.h"
#include "settings/options/OptionsFrmUnit.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

struct OptionsKit : ShellFixture {
    FakeShell shell;
    FakeHelpViewer help;
    // The answers of the dialog's modal sub-dialogs, in turn: each gets the dialog shown.
    QList<std::function<int(QDialog &)>> subDialogs;
    QStringList subDialogTitles;

    explicit OptionsKit(const QByteArray &ini = QByteArray()) : ShellFixture(ini) {}

    TMainForm *start()
    {
        TMainForm *m = ShellFixture::start();
        options()->setExecDialog([this](QDialog &dialog) {
            subDialogTitles.append(dialog.windowTitle());
            return subDialogs.isEmpty() ? int(QDialog::Rejected) : subDialogs.takeFirst()(dialog);
        });
        return m;
    }

    OptionsFeature *options() const { return features().options; }

    // Edit, "Options..".
    TOptionsFrm *open()
    {
        main->action(QStringLiteral("Options2"))->trigger();
        return options()->dialog();
    }

    // The settings file as it is on disk.
    QString stored(const QString &section, const QString &key) const
    {
        return IniFile(path(QStringLiteral("qmEditor.ini")))
            .readString(section, key, QStringLiteral("<none>"));
    }
    bool storedSection(const QString &section) const
    {
        return IniFile(path(QStringLiteral("qmEditor.ini"))).sectionExists(section);
    }

    // Presses OK; true when the dialog went.
    static bool ok(TOptionsFrm *dialog)
    {
        QPointer<TOptionsFrm> alive(dialog);
        dialog->Button1->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !alive || !alive->isVisible();
    }
};
