#include "shell/help/AboutFrm.h"

#include "platform/DialogButtonRow.h"
#include "platform/MakerWebPage.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAbout::TAbout(QWidget *parent) : QDialog(parent)
{
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Quillmarsh's Editor"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    layout->addLayout(top);
    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/help/tip.png")));
    picture->setAlignment(Qt::AlignTop);
    top->addWidget(picture);

    ProgramInfo = new QLabel(this);
    ProgramInfo->setObjectName(QStringLiteral("ProgramInfo"));
    ProgramInfo->setTextFormat(Qt::PlainText);
    ProgramInfo->setWordWrap(true);
    ProgramInfo->setMinimumWidth(340);
    ProgramInfo->setText(
        QStringLiteral("Quillmarsh's Editor\nVersion 3.3")
        + QStringLiteral("\n\nAn editor and small development environment for web pages and Java "
                         "programs: syntax highlighting, HTML wizards, compiling and running "
                         "Java, and spell checking.\n\nMade by Quillmarsh."));
    top->addWidget(ProgramInfo, 1);

    WebLabel = new QLabel(this);
    WebLabel->setObjectName(QStringLiteral("WebLabel"));
    const QString address = QLatin1String(MakerWebPage);
    WebLabel->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    WebLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    WebLabel->setOpenExternalLinks(false);
    WebLabel->setCursor(Qt::PointingHandCursor);
    connect(WebLabel, &QLabel::linkActivated, this, &TAbout::WebLabelClick);
    layout->addWidget(WebLabel, 0, Qt::AlignHCenter);

    layout->addLayout(dialogButtonRow(this, {{&OKButton, "OKButton", QStringLiteral("OK")}},
                                      EnterPresses::FocusedElseFirst, Qt::AlignHCenter));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    // Sized to its text; the user does not resize it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAbout::WebLabelClick()
{
    const QString address = QLatin1String(MakerWebPage);
    if (!Shell::instance()->openUrl(address))
        Prompter::instance()->messageDlg(
            this,
            QStringLiteral("No program to show web pages could be started (xdg-open) for ")
                + address,
            Prompter::Warning, Prompter::OkButton);
}
