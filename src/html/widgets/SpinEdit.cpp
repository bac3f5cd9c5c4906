#include "html/widgets/SpinEdit.h"

#include <QLineEdit>

SpinEdit::SpinEdit(QWidget *parent) : QSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString &text) { m_blank = text.trimmed().isEmpty(); });
}

QValidator::State SpinEdit::validate(QString &input, int &pos) const
{
    if (input.trimmed().isEmpty())
        return QValidator::Acceptable;
    return QSpinBox::validate(input, pos);
}

QString SpinEdit::textFromValue(int value) const
{
    return m_blank ? QString() : QSpinBox::textFromValue(value);
}

void SpinEdit::stepBy(int steps)
{
    m_blank = false;
    QSpinBox::stepBy(steps);
}
