#pragma once

#include "analysis/StatisticsDialog.h"

// TStatisticsHTMLFrm (unit StatHTMLFrmUnit):
// "Statistics for HTML documents": tags, language elements and the editor counts.
class TStatisticsHTMLFrm : public StatisticsDialog
{
    Q_OBJECT
public:
    explicit TStatisticsHTMLFrm(QWidget *parent);

    void showCounts(const StatisticsCount::HtmlCounts &counts);

private:
    QLabel *TagCountLabel;
    QLabel *IDsLabel;
    QLabel *AmpersandLabel;
    QLabel *UndefCountLabel;
    QLabel *CommentsLabel;
};
