#include "analysis/GeneralStatisticsDialog.h"

TGeneralStatistics::TGeneralStatistics(QWidget *parent)
    : StatisticsDialog(parent, QStringLiteral("GeneralStatistics"),
                       QStringLiteral("General Statistics"))
{
    finish();
}
