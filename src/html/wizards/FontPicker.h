#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// TFontViewFrm (unit FontViewFrmUnit):
// "Select Font": the installed font families in a list; OK closes. The font wizard reads the
// selected name when the picker has closed.
class TFontViewFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TFontViewFrm(QWidget *parent = nullptr);

    // The selected family; empty when none is selected.
    QString selectedFont() const;

    QListWidget *ListBox1;
    QPushButton *Button1;
};
