#pragma once

#include "analysis/StatisticsDialog.h"

// TStatisticsFrm (unit StatisticsFrmUnit):
// "Java document statistics": classes, language elements and the editor counts.
class TStatisticsFrm : public StatisticsDialog
{
    Q_OBJECT
public:
    explicit TStatisticsFrm(QWidget *parent);

    void showCounts(const StatisticsCount::JavaCounts &counts);

private:
    QLabel *Label2;
    QLabel *IDsLabel;
    QLabel *KeywordsLabel;
    QLabel *CommentsLabel;
    QLabel *NumbersLabel;
    QLabel *StringsLabel;
};
