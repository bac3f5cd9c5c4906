#pragma once

#include "analysis/StatisticsDialog.h"

// TGeneralStatistics (unit GeneralStatFrmUnit):
// "General Statistics": the editor counts of a document of any other type.
class TGeneralStatistics : public StatisticsDialog
{
    Q_OBJECT
public:
    explicit TGeneralStatistics(QWidget *parent);
};
