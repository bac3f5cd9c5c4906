#include "shell/help/TipWindowFrm.h"

#include "platform/DialogButtonRow.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "platform/Rng.h"
#include "settings/store/AppSettings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

TTipWindowFrm::TTipWindowFrm(AppSettings &settings, const QString &tipsFileName, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_file(tipsFileName)
{
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("TipWindowFrm"));
    setWindowTitle(QStringLiteral("Tip of the day"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(440, 220);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    layout->addLayout(top, 1);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    // Read as the PNG it is: left to guess, the reader would wake every image plug-in first.
    QImageReader picture(QStringLiteral(":/help/tip.png"), "png");
    picture.setAutoDetectImageFormat(false);
    Image1->setPixmap(QPixmap::fromImage(picture.read()));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    top->addWidget(Image1);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setAcceptRichText(false);
    top->addWidget(RichEdit1, 1);

    CheckBox1 = new QCheckBox(QStringLiteral("Show tip on startup"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    NextButton = plainButton("NextButton", QStringLiteral("Next tip"), this);
    QHBoxLayout *bottom = dialogButtonRow(
        this, {{&CloseButton, "CloseButton", QStringLiteral("Close")}}, EnterPresses::Focused);
    bottom->insertWidget(0, CheckBox1);
    bottom->insertWidget(2, NextButton);
    layout->addLayout(bottom);
    connect(NextButton, &QPushButton::clicked, this, &TTipWindowFrm::GetTipNr);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

    FormCreate();
}

void TTipWindowFrm::FormCreate()
{
    // The tip count; a file that cannot be read or has no count is said once, and the
    // window opens without a tip.
    QString error;
    if (!m_file.readCount(m_count, &error)) {
        m_count = 0;
        Prompter::instance()->messageDlg(parentWidget(), error, Prompter::Error,
                                         Prompter::OkButton);
    }
    // The first tip shown is spread evenly over 1 .. count: the current one is drawn and
    // GetTipNr moves on from it.
    if (m_count >= 1)
        m_current = Rng::instance()->random(m_count) + 1;
    CheckBox1->setChecked(m_settings.boolValue(Settings::Key::TipsDoShow));
    GetTipNr();
}

void TTipWindowFrm::GetTipNr()
{
    if (m_count < 1)
        return;
    m_current = m_current >= m_count ? 1 : m_current + 1;
    QString text;
    if (m_file.tip(m_current, text) == TipsFile::Tip::Found) {
        RichEdit1->clear();
        RichEdit1->setPlainText(text);
    }
}

QString TTipWindowFrm::tipText() const
{
    return RichEdit1->toPlainText();
}

void TTipWindowFrm::closeEvent(QCloseEvent *event)
{
    if (!m_written) {
        m_written = true;
        m_settings.setBool(Settings::Key::TipsDoShow, CheckBox1->isChecked());
    }
    event->accept();
}

void TTipWindowFrm::reject()
{
    close();
}
