#pragma once

#include "analysis/StatisticsCount.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QVBoxLayout;

// What the statistics dialogs share: groups of captioned value labels, each showing "0" until
// its count is written, the group "Editor:" with words, letters and lines, and the button
// "Close". A dialog is not modal; several may be open at once.
class StatisticsDialog : public QDialog
{
    Q_OBJECT
public:
    void showEditorCounts(const StatisticsCount::EditorCounts &counts);

protected:
    StatisticsDialog(QWidget *parent, const QString &name, const QString &caption);

    QGroupBox *addGroup(const QString &title);
    // A row of group: the caption and its value label, named name.
    QLabel *addValue(QGroupBox *group, const QString &caption, const char *name);
    // The group "Editor:" and the button "Close", after the dialog's own groups.
    void finish();

    static void setCount(QLabel *label, int count);

private:
    QVBoxLayout *m_layout;
    QLabel *WordsLabel = nullptr;
    QLabel *LettersLabel = nullptr;
    QLabel *Label19 = nullptr;
};
