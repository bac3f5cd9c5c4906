#pragma once

#include "shell/help/TipsFile.h"

#include <QDialog>

class AppSettings;
class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;

// "Tip of the day": one tip of "tips.txt" at a time, "Next tip" for the following one, and
// "Show tip on startup" (the "Tips" "doShow" setting, written when the window closes).
// It shows itself; it is freed when closed.
class TTipWindowFrm : public QDialog
{
    Q_OBJECT
public:
    TTipWindowFrm(AppSettings &settings, const QString &tipsFileName, QWidget *parent = nullptr);

    // Shows the next tip: the one after the current, or tip 1 after the last.
    void GetTipNr();

    int tipCount() const { return m_count; }
    int currentTip() const { return m_current; }
    QString tipText() const;

    QLabel *Image1 = nullptr;
    QTextEdit *RichEdit1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *NextButton = nullptr;
    QPushButton *CloseButton = nullptr;

    // Escape closes the window as "Close" does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();

    AppSettings &m_settings;
    TipsFile m_file;
    int m_count = 0;
    int m_current = 0;
    bool m_written = false;
};
