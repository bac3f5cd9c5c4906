#pragma once

#include "html/widgets/WizardDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class TBrowserFrm;
class TStatusLinjeFrm;

// TLinkForm (unit LinkForm1):
// "Link/Anker point": a link (with an optional onClick action and status-line message) or
// an anchor around the link text, at the caret. The two event texts come from modal
// sub-dialogs opened when the choice is made in their combo box.
class TLinkForm : public WizardDialog
{
    Q_OBJECT
public:
    // Show a sub-dialog modally and return its result; tests answer them without a window.
    using ExecBrowser = std::function<int(TBrowserFrm &)>;
    using ExecStatus = std::function<int(TStatusLinjeFrm &)>;

    explicit TLinkForm(const WizardHost &host, QWidget *parent = nullptr);

    void setExecBrowser(ExecBrowser exec) { m_execBrowser = std::move(exec); }
    void setExecStatus(ExecStatus exec) { m_execStatus = std::move(exec); }

    // The link text, with its line breaks as the memo holds them.
    void setLinkText(const QString &text);

    QLineEdit *Lenke, *Navn;
    QPlainTextEdit *Memo1;
    QCheckBox *onklikk, *mouseover;
    QComboBox *KlikkCompo, *MouseOverCompo;

    QString onClickText() const { return OnClickText; }
    QString mouseOverText() const { return MouseOverText; }

public slots:
    void onklikkClick();
    void mouseoverClick();
    void KlikkCompoClick();
    void MouseOverCompoClick();
    void BitBtn1Click(); // OK

protected:
    void ok() override { BitBtn1Click(); }

private:
    QString OnClickText;
    QString MouseOverText;
    ExecBrowser m_execBrowser;
    ExecStatus m_execStatus;
};
