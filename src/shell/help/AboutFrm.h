#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "About Quillmarsh's Editor": the version, what the program is, its maker and a link to the
// maker's web page. It shows itself; it is freed when closed.
class TAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TAbout(QWidget *parent = nullptr);

    QLabel *ProgramInfo = nullptr;
    QLabel *WebLabel = nullptr;
    QPushButton *OKButton = nullptr;

    // The web-page label's click: the maker's web page in the browser.
    void WebLabelClick();
};
