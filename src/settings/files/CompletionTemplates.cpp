#include "settings/files/CompletionTemplates.h"

#include "settings/files/CodeTemplateText.h"
#include "settings/files/CompletionFiles.h"

CompletionTemplates::CompletionTemplates(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("CompletionList"));
}

QStringList CompletionTemplates::build(const QStringList &templateLines)
{
    QStringList list;
    for (const QString &line : templateLines) {
        if (CodeTemplateText::isHeader(line))
            list.append(line.mid(1));
        else if (!line.contains(u'#'))
            list.append(QLatin1Char('=') + line);
    }
    return list;
}

void CompletionTemplates::LagNyCompletionListe()
{
    m_list = build(CompletionFiles::readLines(CompletionFiles::templateFile()));
    emit changed();
}
