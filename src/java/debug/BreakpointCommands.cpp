#include "java/debug/BreakpointCommands.h"

#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "java/debug/BreakpointMarks.h"

#include <QAction>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

using Page = FeatureHost::Page;

namespace {

// The action registered as name, made in menuName when missing (or taken over when another
// feature registered it first).
QAction *commandAction(ActionRegistry &registry, const QString &menuName, const QString &name,
                       const QString &caption)
{
    if (QAction *a = registry.action(name)) {
        a->setEnabled(true);
        return a;
    }
    return registry.addItem(menuName, name, caption);
}

QToolButton *toolButton(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(text);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

// X11 key codes of the main keyboard's digit row "1" ... "9", "0".
int digitOfX11KeyCode(quint32 code)
{
    if (code >= 10 && code <= 18)
        return int(code) - 9;
    return code == 19 ? 0 : -1;
}

} // namespace

BreakpointCommands::BreakpointCommands(FeatureHost &host, QObject *parent)
    : QObject(parent), m_host(&host)
{
    ActionRegistry &registry = host.actions();
    const QString debugging = QStringLiteral("Debugging1");
    if (QAction *a = commandAction(registry, debugging, QStringLiteral("Setbreakpoint1"),
                                   QStringLiteral("Set breakpoint")))
        connect(a, &QAction::triggered, this, &BreakpointCommands::SpeedButton45Click);
    if (QAction *a = commandAction(registry, debugging, QStringLiteral("Deletebreakpoint1"),
                                   QStringLiteral("Delete breakpoint")))
        connect(a, &QAction::triggered, this, &BreakpointCommands::SpeedButton2Click);
    const QString search = QStringLiteral("Search1");
    if (QAction *a = commandAction(registry, search, QStringLiteral("Nextbookmark1"),
                                   QStringLiteral("Next breakpoint")))
        connect(a, &QAction::triggered, this, &BreakpointCommands::Nextbookmark1Click);
    if (QAction *a = commandAction(registry, search, QStringLiteral("Previousbookmark1"),
                                   QStringLiteral("Previous breakpoint")))
        connect(a, &QAction::triggered, this, &BreakpointCommands::Previousbookmark1Click);

    buildButtons();

    for (HostDocument *document : host.documents())
        attach(document);
    connect(&host, &FeatureHost::documentCreated, this, &BreakpointCommands::attach);
}

void BreakpointCommands::buildButtons()
{
    m_javaButtons = new QWidget(m_host->page(Page::Java));
    m_javaButtons->setObjectName(QStringLiteral("BreakpointButtons"));
    auto *grid = new QGridLayout(m_javaButtons);
    grid->setContentsMargins(0, 0, 0, 0);
    SpeedButton45 = toolButton(m_javaButtons, "SpeedButton45", QStringLiteral("Set breakpoint"));
    connect(SpeedButton45, &QToolButton::clicked, this, &BreakpointCommands::SpeedButton45Click);
    SpeedButton2 = toolButton(m_javaButtons, "SpeedButton2", QStringLiteral("Clear breakpoint"));
    connect(SpeedButton2, &QToolButton::clicked, this, &BreakpointCommands::SpeedButton2Click);

    // The arrow of "Clear breakpoint" drops down the choice of what to clear.
    ClearBreakpointsMenu = new QMenu(SpeedButton2);
    ClearBreakpointsMenu->setObjectName(QStringLiteral("ClearBreakpointsMenu"));
    QAction *atCursor =
        ClearBreakpointsMenu->addAction(QStringLiteral("Breakpoint at current line only"), this,
                                        &BreakpointCommands::Breakpointatcursor1Click);
    atCursor->setObjectName(QStringLiteral("Breakpointatcursor1"));
    QAction *all = ClearBreakpointsMenu->addAction(QStringLiteral("All breakpoints"), this,
                                                   &BreakpointCommands::Allbreakpoints1Click);
    all->setObjectName(QStringLiteral("Allbreakpoints1"));
    SpeedButton2->setMenu(ClearBreakpointsMenu);
    SpeedButton2->setPopupMode(QToolButton::MenuButtonPopup);

    QToolButton *next =
        toolButton(m_javaButtons, "JavaNextBreakpoint", QStringLiteral("Next breakpoint"));
    connect(next, &QToolButton::clicked, this, &BreakpointCommands::Nextbookmark1Click);
    QToolButton *previous =
        toolButton(m_javaButtons, "JavaPreviousBreakpoint", QStringLiteral("Previous breakpoint"));
    connect(previous, &QToolButton::clicked, this, &BreakpointCommands::Previousbookmark1Click);
    grid->addWidget(SpeedButton45, 0, 0);
    grid->addWidget(SpeedButton2, 0, 1);
    grid->addWidget(next, 1, 0);
    grid->addWidget(previous, 1, 1);
    m_host->addToPage(Page::Java, m_javaButtons);

    auto *general = new QWidget(m_host->page(Page::General));
    general->setObjectName(QStringLiteral("GeneralBreakpointButtons"));
    auto *row = new QHBoxLayout(general);
    row->setContentsMargins(0, 0, 0, 0);
    QToolButton *generalNext =
        toolButton(general, "GeneralNextBreakpoint", QStringLiteral("Next breakpoint"));
    connect(generalNext, &QToolButton::clicked, this, &BreakpointCommands::Nextbookmark1Click);
    QToolButton *generalPrevious =
        toolButton(general, "GeneralPreviousBreakpoint", QStringLiteral("Previous breakpoint"));
    connect(generalPrevious, &QToolButton::clicked, this,
            &BreakpointCommands::Previousbookmark1Click);
    row->addWidget(generalNext);
    row->addWidget(generalPrevious);
    m_host->addToPage(Page::General, general);
}

BreakpointMarks *BreakpointCommands::marksOf(const EditorAdapter *editor) const
{
    return m_marks.value(editor);
}

BreakpointMarks *BreakpointCommands::activeMarks() const
{
    HostDocument *doc = m_host->activeDocument();
    return doc ? marksOf(doc->editor()) : nullptr;
}

void BreakpointCommands::attach(HostDocument *document)
{
    EditorAdapter *editor = document->editor();
    if (!editor || m_marks.value(editor))
        return;
    auto *marks = new BreakpointMarks(editor);
    m_marks.insert(editor, marks);
    connect(editor, &QObject::destroyed, this, [this, editor] { m_marks.remove(editor); });

    editor->addKeyFilter(
        marks,
        [marks](QKeyEvent *event) {
            bool toggle = false;
            const int n = bookmarkKey(event, &toggle);
            if (n < 0)
                return false;
            if (toggle)
                marks->toggleBookmark(n);
            else
                marks->gotoBookmark(n);
            return true;
        },
        [marks](QKeyEvent *) {
            marks->keyReleased();
            return false;
        });
    connect(editor, &EditorAdapter::textChanged, this, &BreakpointCommands::ResetMarkButtons);
    bindPopup(document, marks);
}

void BreakpointCommands::bindPopup(HostDocument *document, BreakpointMarks *marks)
{
    ActionRegistry &popup = document->popupActions();
    auto bind = [&](const char *name, void (BreakpointMarks::*handler)()) {
        if (QAction *a = popup.action(QLatin1String(name)))
            connect(a, &QAction::triggered, marks, handler);
    };
    bind("Setbookmark1", &BreakpointMarks::SetBreakpoint);
    bind("Clearbookmark1", &BreakpointMarks::ClearBreakPoint);
    bind("Nextbreakpoint1", &BreakpointMarks::NextBreakPointJump);
    bind("Previousbreakboint1", &BreakpointMarks::PreviousBreakPointJump);

    // Its own "Clear all breakpoints" stays hidden (the clear-breakpoints menu offers it).
    if (QMenu *menu = document->popupMenu()) {
        const int position = int(menu->actions().indexOf(popup.action(QStringLiteral("N2"))));
        if (QAction *all = popup.addItem(menu, QStringLiteral("Fjernallbokmerker1"),
                                         QStringLiteral("Clear all breakpoints"), position)) {
            all->setVisible(false);
            connect(all, &QAction::triggered, marks, &BreakpointMarks::Fjernallbokmerker1Click);
        }
    }
    if (QMenu *debugging = popup.menu(QStringLiteral("Debugging1"))) {
        if (QAction *set = popup.addItem(debugging, QStringLiteral("Setbreakpoint1"),
                                         QStringLiteral("Set breakpoint")))
            connect(set, &QAction::triggered, marks, &BreakpointMarks::SetBreakpoint);
        if (QAction *del = popup.addItem(debugging, QStringLiteral("Deletebreakpoint1"),
                                         QStringLiteral("Delete breakpoint")))
            connect(del, &QAction::triggered, marks, &BreakpointMarks::ClearBreakPoint);
    }
}

int BreakpointCommands::bookmarkKey(const QKeyEvent *event, bool *toggle)
{
    const Qt::KeyboardModifiers mods = event->modifiers()
        & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool go = mods == Qt::ControlModifier;
    const bool set = mods == (Qt::ControlModifier | Qt::ShiftModifier);
    if (!go && !set)
        return -1;
    int digit = -1;
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        digit = key - Qt::Key_0;
    } else if (set) {
        // With Shift the key is the digit key's shifted sign: ask the key's place instead.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            digit = digitOfX11KeyCode(event->nativeScanCode());
        if (digit < 0) {
            static const QString usShifted = QStringLiteral(")!@#$%^&*(");
            const QString text = QKeySequence(key).toString();
            if (text.size() == 1)
                digit = int(usShifted.indexOf(text.at(0)));
        }
    }
    if (digit >= 0 && toggle)
        *toggle = set;
    return digit;
}

void BreakpointCommands::SpeedButton45Click()
{
    if (BreakpointMarks *marks = activeMarks())
        marks->SetBreakpoint();
}

void BreakpointCommands::SpeedButton2Click()
{
    if (BreakpointMarks *marks = activeMarks())
        marks->ClearBreakPoint();
}

void BreakpointCommands::Breakpointatcursor1Click()
{
    SpeedButton2Click();
}

void BreakpointCommands::Allbreakpoints1Click()
{
    if (BreakpointMarks *marks = activeMarks())
        marks->Fjernallbokmerker1Click();
}

void BreakpointCommands::Nextbookmark1Click()
{
    if (BreakpointMarks *marks = activeMarks())
        marks->NextBreakPointJump();
}

void BreakpointCommands::Previousbookmark1Click()
{
    if (BreakpointMarks *marks = activeMarks())
        marks->PreviousBreakPointJump();
}
