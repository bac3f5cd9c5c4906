#pragma once

#include <QSpinBox>

// A spin box whose text the user may clear: an empty field stays empty (also when the focus
// leaves it) and cleanText() is then empty, so a wizard can leave its attribute out. Typing
// a number or stepping with the arrows gives it a value again.
class SpinEdit : public QSpinBox
{
    Q_OBJECT
public:
    explicit SpinEdit(QWidget *parent = nullptr);

    bool isBlank() const { return m_blank; }

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    QString textFromValue(int value) const override;
    void stepBy(int steps) override;

private:
    bool m_blank = false;
};
