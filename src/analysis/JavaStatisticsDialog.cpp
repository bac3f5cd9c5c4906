#include "analysis/JavaStatisticsDialog.h"

TStatisticsFrm::TStatisticsFrm(QWidget *parent)
    : StatisticsDialog(parent, QStringLiteral("StatisticsFrm"),
                       QStringLiteral("Java document statistics"))
{
    QGroupBox *classes = addGroup(QStringLiteral("Classes:"));
    Label2 = addValue(classes, QStringLiteral("Number of classes:"), "Label2");
    QGroupBox *elements = addGroup(QStringLiteral("Language elements:"));
    IDsLabel = addValue(elements, QStringLiteral("Identifiers:"), "IDsLabel");
    KeywordsLabel = addValue(elements, QStringLiteral("Keywords:"), "KeywordsLabel");
    CommentsLabel = addValue(elements, QStringLiteral("Comments:"), "CommentsLabel");
    NumbersLabel = addValue(elements, QStringLiteral("Numbers:"), "NumbersLabel");
    StringsLabel = addValue(elements, QStringLiteral("Strings:"), "StringsLabel");
    finish();
}

void TStatisticsFrm::showCounts(const StatisticsCount::JavaCounts &counts)
{
    setCount(Label2, counts.classes);
    setCount(IDsLabel, counts.identifiers);
    setCount(KeywordsLabel, counts.keywords);
    setCount(CommentsLabel, counts.comments);
    setCount(NumbersLabel, counts.numbers);
    setCount(StringsLabel, counts.strings);
    showEditorCounts(counts.editor);
}
