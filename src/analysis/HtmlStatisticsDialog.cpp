#include "analysis/HtmlStatisticsDialog.h"

TStatisticsHTMLFrm::TStatisticsHTMLFrm(QWidget *parent)
    : StatisticsDialog(parent, QStringLiteral("StatisticsHTMLFrm"),
                       QStringLiteral("Statistics for HTML documents"))
{
    QGroupBox *tags = addGroup(QStringLiteral("Tags:"));
    TagCountLabel = addValue(tags, QStringLiteral("Number of html tags:"), "TagCountLabel");
    IDsLabel = addValue(tags, QStringLiteral("Number of tag parameters:"), "IDsLabel");
    QGroupBox *elements = addGroup(QStringLiteral("Language elements:"));
    AmpersandLabel = addValue(elements, QStringLiteral("Ampersands:"), "AmpersandLabel");
    UndefCountLabel = addValue(elements, QStringLiteral("Undefined tags:"), "UndefCountLabel");
    CommentsLabel = addValue(elements, QStringLiteral("Comments:"), "CommentsLabel");
    finish();
}

void TStatisticsHTMLFrm::showCounts(const StatisticsCount::HtmlCounts &counts)
{
    setCount(TagCountLabel, counts.tags);
    setCount(IDsLabel, counts.parameters);
    setCount(AmpersandLabel, counts.ampersands);
    setCount(UndefCountLabel, counts.undefined);
    setCount(CommentsLabel, counts.comments);
    showEditorCounts(counts.editor);
}
