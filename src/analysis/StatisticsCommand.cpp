#include "analysis/StatisticsCommand.h"

#include "analysis/GeneralStatisticsDialog.h"
#include "analysis/HtmlStatisticsDialog.h"
#include "analysis/JavaStatisticsDialog.h"
#include "analysis/StatisticsCount.h"
#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "platform/DelphiStrings.h"

#include <QAction>

StatisticsCommand::StatisticsCommand(FeatureHost &host, QObject *parent)
    : QObject(parent), m_host(host)
{
    if (QAction *item = host.actions().addItem(
            QStringLiteral("View1"), QStringLiteral("Statistics1"), QStringLiteral("Statistics")))
        connect(item, &QAction::triggered, this, [this] { Statistics1Click(); });
}

StatisticsCommand::Dialog StatisticsCommand::dialogFor(const QString &caption)
{
    const QString ext = Delphi::extractFileExt(caption).toLower();
    if (ext.contains(QLatin1String(".java")))
        return Dialog::Java;
    if (ext.contains(QLatin1String(".htm")))
        return Dialog::Html;
    return Dialog::General;
}

QDialog *StatisticsCommand::Statistics1Click()
{
    HostDocument *document = m_host.activeDocument();
    if (!document || !document->editor())
        return nullptr;
    const QStringList lines = document->editor()->lines();
    QWidget *owner = m_host.window();

    StatisticsDialog *dialog = nullptr;
    switch (dialogFor(document->caption())) {
    case Dialog::Java: {
        auto *java = new TStatisticsFrm(owner);
        java->showCounts(StatisticsCount::java(lines));
        dialog = java;
        break;
    }
    case Dialog::Html: {
        auto *html = new TStatisticsHTMLFrm(owner);
        html->showCounts(StatisticsCount::html(lines));
        dialog = html;
        break;
    }
    case Dialog::General:
        dialog = new TGeneralStatistics(owner);
        dialog->showEditorCounts(StatisticsCount::general(lines));
        break;
    }
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}
