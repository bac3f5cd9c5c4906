#include "analysis/QuickFind.h"

#include "analysis/QuickFindText.h"
#include "analysis/javasource/JavaDocumentScanner.h"
#include "editor/EditorAdapter.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"
#include "settings/store/AppSettings.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace {

QComboBox *makeList(QWidget *parent, const char *name)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setFocusPolicy(Qt::StrongFocus); // a click gives the focus before the list drops down
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(8);
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return list;
}

} // namespace

QuickFind::QuickFind(FeatureHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    QWidget *group = host.page(FeatureHost::Page::QuickFind);
    auto *row = new QWidget(group);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    ClassNameCompoBox1 = makeList(row, "ClassNameCompoBox1");
    SpeedButton101 = new QToolButton(row);
    SpeedButton101->setObjectName(QStringLiteral("SpeedButton101"));
    SpeedButton101->setAutoRaise(true);
    SpeedButton101->setIcon(row->style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    SpeedButton101->setToolTip(QStringLiteral("Close quick find"));
    rowLayout->addWidget(ClassNameCompoBox1, 1);
    rowLayout->addWidget(SpeedButton101);
    ClassDatamemberComboBox2 = makeList(group, "ClassDatamemberComboBox2");
    ClassDatamemberComboBox2->setEnabled(false);
    host.addToPage(FeatureHost::Page::QuickFind, row);
    host.addToPage(FeatureHost::Page::QuickFind, ClassDatamemberComboBox2);

    ClassNameCompoBox1->installEventFilter(this);
    connect(ClassNameCompoBox1, qOverload<int>(&QComboBox::activated), this,
            &QuickFind::ClassNameCompoBox1Click);
    connect(ClassDatamemberComboBox2, qOverload<int>(&QComboBox::activated), this,
            &QuickFind::ClassDatamemberComboBox2Click);
    connect(SpeedButton101, &QToolButton::clicked, this, &QuickFind::SpeedButton101Click);
    connect(&host, &FeatureHost::fileLoading, this, &QuickFind::clearSelection);
}

bool QuickFind::eventFilter(QObject *watched, QEvent *event)
{
    // Getting the focus, as the user does: not its return from the list's own drop-down,
    // nor the main window's coming back to the front.
    if (watched == ClassNameCompoBox1 && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            ClassNameCompoBox1Enter();
    }
    return QObject::eventFilter(watched, event);
}

void QuickFind::ClassNameCompoBox1Enter()
{
    HostDocument *document = m_host.activeDocument();
    if (!document
        || !Delphi::extractFileExt(document->caption()).toLower().contains(QLatin1String(".java")))
        return;
    ClassNameCompoBox1->clear();
    ClassNameCompoBox1->addItems(JavaDocumentScanner::FinnKlasseNavnene(document->editor()));
    ClassNameCompoBox1->setCurrentIndex(-1);
}

void QuickFind::ClassNameCompoBox1Click()
{
    HostDocument *document = m_host.activeDocument();
    if (!document)
        return;
    QStringList entries;
    const QStringList declarations = JavaDocumentScanner::ClipAndFindMultilineDatamembers(
        document->editor(), ClassNameCompoBox1->currentText());
    for (const QString &declaration : declarations)
        entries += QuickFindText::displayTexts(declaration);
    ClassDatamemberComboBox2->clear();
    ClassDatamemberComboBox2->addItems(entries);
    ClassDatamemberComboBox2->setCurrentIndex(-1);
    if (ClassNameCompoBox1->count() > 0)
        ClassDatamemberComboBox2->setEnabled(true);
    ClassDatamemberComboBox2->setFocus();
}

void QuickFind::ClassDatamemberComboBox2Click()
{
    HostDocument *document = m_host.activeDocument();
    if (!document || !document->editor())
        return;
    EditorAdapter *editor = document->editor();
    const int line = QuickFindText::memberLine(editor->lines(), ClassNameCompoBox1->currentText(),
                                               ClassDatamemberComboBox2->currentText());
    if (line >= 0)
        editor->setCaret(line + 1, editor->caretColumn());
    m_host.window()->activateWindow();
    document->bringToFront();
}

void QuickFind::SpeedButton101Click()
{
    if (Prompter::instance()->messageBox(
            m_host.window(), QStringLiteral("Question"),
            QStringLiteral("Are you sure you want to hide the quick find tool? If yes, you can "
                           "acivate it again at any time from the menu "
                           "(Edit->Options->Application)."),
            Prompter::Question, Prompter::YesButton | Prompter::NoButton)
        != Prompter::Yes)
        return;
    m_host.page(FeatureHost::Page::QuickFind)->hide();
    m_host.settings().setBool(Settings::Key::JavaQuickFind, false);
}

void QuickFind::clearSelection()
{
    ClassNameCompoBox1->setCurrentIndex(-1);
    ClassDatamemberComboBox2->setCurrentIndex(-1);
}
