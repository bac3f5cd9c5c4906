#include "analysis/StatisticsDialog.h"

#include "platform/DialogButtonRow.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StatisticsDialog::StatisticsDialog(QWidget *parent, const QString &name, const QString &caption)
    : QDialog(parent), m_layout(new QVBoxLayout(this))
{
    setObjectName(name);
    setWindowTitle(caption);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox *StatisticsDialog::addGroup(const QString &title)
{
    auto *group = new QGroupBox(title, this);
    auto *form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignLeft);
    form->setHorizontalSpacing(24);
    m_layout->addWidget(group);
    return group;
}

QLabel *StatisticsDialog::addValue(QGroupBox *group, const QString &caption, const char *name)
{
    auto *value = new QLabel(QStringLiteral("0"), group);
    value->setObjectName(QLatin1String(name));
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    static_cast<QFormLayout *>(group->layout())->addRow(caption, value);
    return value;
}

void StatisticsDialog::finish()
{
    QGroupBox *editor = addGroup(QStringLiteral("Editor:"));
    WordsLabel = addValue(editor, QStringLiteral("Words:"), "WordsLabel");
    LettersLabel = addValue(editor, QStringLiteral("Letters:"), "LettersLabel");
    Label19 = addValue(editor, QStringLiteral("Lines:"), "Label19");

    QPushButton *close = nullptr;
    m_layout->addLayout(dialogButtonRow(this, {{&close, "Button1", QStringLiteral("Close")}}));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void StatisticsDialog::showEditorCounts(const StatisticsCount::EditorCounts &counts)
{
    setCount(WordsLabel, counts.words);
    setCount(LettersLabel, counts.letters);
    setCount(Label19, counts.lines);
}

void StatisticsDialog::setCount(QLabel *label, int count)
{
    label->setText(QString::number(count));
}
