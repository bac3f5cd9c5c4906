#include "java/run/ConsoleWindow.h"

#include "java/run/ConsoleRunner.h"
#include "platform/TColor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The class library's cl3DLight (system colour 22).
const TColor cl3DLight(static_cast<std::int32_t>(0x80000016));
} // namespace

TProgRunFrm::TProgRunFrm(QWidget *owner, const QString &documentCaption, const QString &program,
                         const QStringList &arguments, const QString &workDir)
    : QWidget(owner, Qt::Tool)
{
    setObjectName(QStringLiteral("ProgRunFrm"));
    setWindowTitle(QStringLiteral("Running program from: Klassenavn.java"));

    auto *toolBar = new QWidget(this);
    toolBar->setObjectName(QStringLiteral("Panel1"));
    auto *buttons = new QHBoxLayout(toolBar);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(1);
    Copy = makeButton(QStringLiteral("Copy"), QStringLiteral("Copy"), QStringLiteral("edit-copy"),
                      &TProgRunFrm::CopyClick);
    Cut = makeButton(QStringLiteral("Cut"), QStringLiteral("Cut"), QStringLiteral("edit-cut"),
                     &TProgRunFrm::CutClick);
    Paste = makeButton(QStringLiteral("Paste"), QStringLiteral("Paste"),
                       QStringLiteral("edit-paste"), &TProgRunFrm::PasteClick);
    SelectAll = makeButton(QStringLiteral("SelectAll"), QStringLiteral("Select all"),
                           QStringLiteral("edit-select-all"), &TProgRunFrm::SelectAllClick);
    Undo = makeButton(QStringLiteral("Undo"), QStringLiteral("Undo"), QStringLiteral("edit-undo"),
                      &TProgRunFrm::UndoClick);
    for (QToolButton *b : {Copy, Cut, Paste, SelectAll, Undo})
        buttons->addWidget(b);
    buttons->addStretch();

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette pal = RichEdit1->palette();
    pal.setColor(QPalette::Base, cl3DLight.toQColor());
    RichEdit1->setPalette(pal);
    RichEdit1->installEventFilter(this);
    buildPopupMenu();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(RichEdit1, 1);

    resize(520, 360);
    if (QScreen *screen = owner ? owner->screen() : QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TProgRunFrm::Timer1Timer);
    Timer1->start();

    // FormCreate: clear the console, start the program, name the window.
    RichEdit1->clear();
    m_runner = new TRunnerThread(this);
    connect(m_runner, &TRunnerThread::lineReady, this, &TProgRunFrm::addLine);
    connect(m_runner, &TRunnerThread::finished, this, &TProgRunFrm::programFinished);
    m_runner->start(program, arguments, workDir);
    if (!m_finished)
        setWindowTitle(QStringLiteral("Running file from: ") + documentCaption);
}

QToolButton *TProgRunFrm::makeButton(const QString &name, const QString &hint,
                                     const QString &iconName, void (TProgRunFrm::*slot)())
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setText(hint);
    b->setIcon(QIcon::fromTheme(iconName));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, slot);
    return b;
}

void TProgRunFrm::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const struct {
        const char *text;
        const char *shortcut;
        void (TProgRunFrm::*slot)();
    } items[] = {
        {"Copy", "Ctrl+C", &TProgRunFrm::CopyClick},
        {"Paste", "Ctrl+V", &TProgRunFrm::PasteClick},
        {"Select all", "Ctrl+A", &TProgRunFrm::SelectAllClick},
        {"Cut", "Ctrl+X", &TProgRunFrm::CutClick},
        {"Undo", "Ctrl+Z", &TProgRunFrm::UndoClick},
    };
    for (const auto &item : items) {
        QAction *a = PopupMenu1->addAction(QString::fromLatin1(item.text));
        // The shortcut is shown in the menu; the console itself handles the keys.
        a->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        connect(a, &QAction::triggered, this, item.slot);
    }
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(pos));
    });
}

// A line of output goes in front of the last line, where the user types the next input,
// so a half-typed input line stays the last line.
void TProgRunFrm::addLine(const QString &text)
{
    QTextCursor cursor(RichEdit1->document()->lastBlock());
    cursor.insertText(text + QLatin1Char('\n'));
    RichEdit1->ensureCursorVisible();
}

bool TProgRunFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            RichEdit1KeyDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Enter sends the last line to the program and starts a new line for the next input.
void TProgRunFrm::RichEdit1KeyDown()
{
    m_runner->SendInputLine(RichEdit1->document()->lastBlock().text());
    Timer1->start();
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n"));
    RichEdit1->setTextCursor(cursor);
    RichEdit1->ensureCursorVisible();
}

// Shows output not ended by a line break (a prompt) once, until the next Enter.
void TProgRunFrm::Timer1Timer()
{
    const QString partial = m_runner->takePartialLine();
    if (partial.isEmpty())
        return;
    Timer1->stop();
    addLine(partial);
}

void TProgRunFrm::programFinished()
{
    addLine(QStringLiteral("Done!"));
    Timer1->stop();
    setWindowTitle(QStringLiteral("Finished!"));
    m_finished = true;
    if (isVisible()) {
        activateWindow();
        RichEdit1->setFocus();
    }
}

void TProgRunFrm::closeEvent(QCloseEvent *event)
{
    m_runner->stop();
    QWidget::closeEvent(event);
}

void TProgRunFrm::CopyClick()
{
    RichEdit1->copy();
}
void TProgRunFrm::CutClick()
{
    RichEdit1->cut();
}
void TProgRunFrm::PasteClick()
{
    RichEdit1->paste();
}
void TProgRunFrm::SelectAllClick()
{
    RichEdit1->selectAll();
}
void TProgRunFrm::UndoClick()
{
    RichEdit1->undo();
}
