#pragma once

#include <QCheckBox>

// A check box that says when the mouse was released over it, after the click toggled it;
// a toggle by the keyboard does not.
class MouseUpCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

signals:
    void mouseUp();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
