#pragma once

#include <QDialog>

class QPlainTextEdit;

// TOutputForm1 (unit OutputForm):
// "Compiler output window": the whole compiler output in a window of its own.
class TOutputForm1 : public QDialog
{
    Q_OBJECT
public:
    explicit TOutputForm1(QWidget *owner);

    QPlainTextEdit *RichEdit1 = nullptr;
};
