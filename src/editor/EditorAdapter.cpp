#include "editor/EditorAdapter.h"

#include "editor/PaddedLineNumbers.h"
#include "editor/TextSearch.h"
#include "editor/highlighting/GeneralLexer.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/DelphiStrings.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>
#include <QWidget>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include <cstring>

namespace {

// Marks and indicators the adapter keeps for itself.
constexpr int LineColorMarker = 24;
constexpr int LineColorIndicator = 20;
constexpr int MarkerMask = (1 << LineColorMarker) - 1; // the callers' marks 0..23

bool isCallerMark(int id)
{
    return id >= 0 && id < LineColorMarker;
}

int eolMode(TextFile::LineEnding ending)
{
    switch (ending) {
    case TextFile::LineEnding::CRLF: return QsciScintillaBase::SC_EOL_CRLF;
    case TextFile::LineEnding::CR: return QsciScintillaBase::SC_EOL_CR;
    case TextFile::LineEnding::LF: break;
    }
    return QsciScintillaBase::SC_EOL_LF;
}

} // namespace

EditorAdapter::EditorAdapter(QWidget *parent) : QObject(parent), m_editor(new QsciScintilla(parent))
{
    m_editor->setObjectName(QStringLiteral("SynEdit1"));
    connect(m_editor, &QObject::destroyed, this, [this] { m_editor = nullptr; });

    m_editor->setUtf8(true);
    send(QsciScintillaBase::SCI_SETVIRTUALSPACEOPTIONS,
         QsciScintillaBase::SCVS_RECTANGULARSELECTION | QsciScintillaBase::SCVS_USERACCESSIBLE);
    m_editor->setAutoIndent(true);
    m_editor->setIndentationsUseTabs(false);
    m_editor->setTabWidth(8);
    m_editor->setEolMode(QsciScintilla::EolUnix);
    send(QsciScintillaBase::SCI_SETPASTECONVERTENDINGS, 1);
    send(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
    send(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
    // The layouts of the lines in view are kept: placing the waves asks for positions on them
    // between paints, and laying out a long line takes as long as the line.
    send(QsciScintillaBase::SCI_SETLAYOUTCACHE, QsciScintillaBase::SC_CACHE_PAGE);

    m_font = QFont(QStringLiteral("Courier New"), 10);
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setFixedPitch(true);
    m_gutterColor = TColor::clBtnFace.toQColor();

    // Gutter: margin 0 only, holding the numbers and the marks.
    for (int m = 1; m < 5; ++m)
        m_editor->setMarginWidth(m, 0);
    m_editor->markerDefine(QsciScintilla::Circle, 0);
    m_editor->setMarkerBackgroundColor(QColor(Qt::red), 0);
    m_editor->setMarkerForegroundColor(QColor(Qt::darkRed), 0);
    m_editor->markerDefine(QsciScintilla::Background, LineColorMarker);
    send(QsciScintillaBase::SCI_INDICSETSTYLE, LineColorIndicator,
         QsciScintillaBase::INDIC_TEXTFORE);
    for (int id = 0; id < LineColorIndicator; ++id)
        defineIndicator(id, IndicatorStyle::Squiggle, Qt::red);

    applyAppearance();
    m_editor->installEventFilter(this);

    connect(m_editor, &QsciScintilla::textChanged, this, [this] {
        if (m_compound > 0) {
            m_compoundChanged = true;
            return;
        }
        emit contentsChanged();
        if (m_loading == 0)
            emit textChanged();
    });
    connect(m_editor, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        emitCaretIfMoved();
        if (updated
            & (QsciScintillaBase::SC_UPDATE_V_SCROLL | QsciScintillaBase::SC_UPDATE_H_SCROLL))
            emit viewScrolled();
    });
}

EditorAdapter::~EditorAdapter()
{
    if (m_editor && !m_editor->parent())
        delete m_editor;
}

QWidget *EditorAdapter::widget() const
{
    return m_editor;
}

QWidget *EditorAdapter::viewport() const
{
    return m_editor ? m_editor->viewport() : nullptr;
}

void EditorAdapter::ensureCaretVisible()
{
    if (!m_editor)
        return;
    m_editor->ensureCursorVisible();
    m_editor->update();
}

void EditorAdapter::repaintView()
{
    if (m_editor)
        m_editor->viewport()->update();
}

long EditorAdapter::send(unsigned int msg, unsigned long w, long l) const
{
    return m_editor->SendScintilla(msg, w, l);
}

// ---- caret and positions ---------------------------------------------------------------

int EditorAdapter::columnOf(long pos) const
{
    const long lineNo = send(QsciScintillaBase::SCI_LINEFROMPOSITION, pos);
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, lineNo);
    return int(send(QsciScintillaBase::SCI_COUNTCHARACTERS, start, pos)) + 1;
}

EditorAdapter::Place EditorAdapter::placeOf(int line, int column) const
{
    const long docLines = send(QsciScintillaBase::SCI_GETLINECOUNT);
    const long lineNo = qBound(0L, long(line) - 1, docLines - 1);
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, lineNo);
    const long end = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, lineNo);
    const long chars = send(QsciScintillaBase::SCI_COUNTCHARACTERS, start, end);
    const long wanted = qMax(0L, long(column) - 1);
    if (wanted <= chars)
        return {send(QsciScintillaBase::SCI_POSITIONRELATIVE, start, wanted), 0};
    return {end, wanted - chars};
}

int EditorAdapter::caretLine() const
{
    return int(send(QsciScintillaBase::SCI_LINEFROMPOSITION,
                    send(QsciScintillaBase::SCI_GETCURRENTPOS)))
        + 1;
}

int EditorAdapter::caretColumn() const
{
    const long pos = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long main = send(QsciScintillaBase::SCI_GETMAINSELECTION);
    return columnOf(pos) + int(send(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, main));
}

void EditorAdapter::setCaret(int line, int column)
{
    const int clampedLine = qBound(1, line, qMax(1, lineCount()));
    const Place p = placeOf(clampedLine, column);
    send(QsciScintillaBase::SCI_SETEMPTYSELECTION, p.pos);
    send(QsciScintillaBase::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0, p.virtualSpace);
    send(QsciScintillaBase::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0, p.virtualSpace);
    send(QsciScintillaBase::SCI_CHOOSECARETX);
    scrollToCaret();
    emitCaretIfMoved();
}

void EditorAdapter::scrollToCaret()
{
    if (m_compound > 0)
        return; // once, at the end of the compound edit
    // A hidden editor has no size yet: scrolling now would shift the view sideways for
    // good, so the scroll waits for the first show.
    if (!m_editor->isVisible()) {
        m_scrollPending = true;
        return;
    }
    m_scrollPending = false;
    send(QsciScintillaBase::SCI_SCROLLCARET);
}

bool EditorAdapter::eventFilter(QObject *watched, QEvent *event)
{
    // The keys of the window's commands before anything of the editor's.
    if (watched == m_editor && leaveToCommand(event))
        return true;
    // The features' key filters first; the editor's own handling when none took the key.
    if (watched == m_editor && m_bypassKeyFilters == 0
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        && filterKey(static_cast<QKeyEvent *>(event)))
        return true;
    // The editor's own undo and redo keys take the same way as the Undo and Redo commands.
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QsciCommand *command = m_editor->standardCommands()->boundTo(
            key->key() | int(key->modifiers() & ~Qt::KeypadModifier));
        if (command && command->command() == QsciCommand::Undo) {
            undo();
            return true;
        }
        if (command && command->command() == QsciCommand::Redo) {
            redo();
            return true;
        }
    }
    if (watched == m_editor && m_smartTabs && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && smartTab())
            return true;
    }
    if (watched == m_editor && m_scrollPending && event->type() == QEvent::Show)
        QTimer::singleShot(0, this, [this] {
            if (m_editor && m_scrollPending)
                scrollToCaret();
        });
    return QObject::eventFilter(watched, event);
}

void EditorAdapter::setCommandKeys(CommandKeyTest test)
{
    m_commandKeys = std::move(test);
}

bool EditorAdapter::leaveToCommand(QEvent *event) const
{
    const QEvent::Type type = event->type();
    if (!m_commandKeys
        || (type != QEvent::ShortcutOverride && type != QEvent::KeyPress
            && type != QEvent::KeyRelease))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination combination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    if (!m_commandKeys(QKeySequence(combination)))
        return false;
    // QScintilla claims every key it binds (and every typing key) before the window's
    // shortcuts are looked at: this one is not claimed, so the command's shortcut runs. A press
    // that arrives all the same (its command is disabled) is dropped: the key is the command's.
    if (type == QEvent::ShortcutOverride)
        key->ignore();
    else
        key->accept();
    return true;
}

void EditorAdapter::addKeyFilter(QObject *owner, KeyFilter onPress, KeyFilter onRelease)
{
    if (!owner)
        return;
    m_keyFilters.append({owner, std::move(onPress), std::move(onRelease)});
    connect(owner, &QObject::destroyed, this, [this, owner] { removeKeyFilters(owner); });
}

void EditorAdapter::removeKeyFilters(QObject *owner)
{
    m_keyFilters.removeIf(
        [owner](const KeyFilterEntry &e) { return !e.owner || e.owner == owner; });
}

bool EditorAdapter::filterKey(QKeyEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    // A copy: a filter may add or remove filters, or close the document.
    const QList<KeyFilterEntry> filters = m_keyFilters;
    for (auto it = filters.crbegin(); it != filters.crend(); ++it) {
        if (!it->owner)
            continue;
        const KeyFilter &filter = press ? it->onPress : it->onRelease;
        if (filter && filter(event))
            return true;
    }
    return false;
}

void EditorAdapter::emitCaretIfMoved()
{
    if (!m_editor || m_compound > 0)
        return;
    const int l = caretLine();
    const int c = caretColumn();
    if (l == m_lastCaretLine && c == m_lastCaretColumn)
        return;
    m_lastCaretLine = l;
    m_lastCaretColumn = c;
    emit caretMoved(l, c);
}

// ---- text ------------------------------------------------------------------------------

QStringList EditorAdapter::splitLines(const QString &text)
{
    return Delphi::textToLines(text);
}

QString EditorAdapter::normalizeLineEndings(const QString &text, TextFile::LineEnding ending)
{
    return TextFile::convertLineEndings(text, ending);
}

int EditorAdapter::lineCount() const
{
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    if (length == 0)
        return 0;
    const long docLines = send(QsciScintillaBase::SCI_GETLINECOUNT);
    // A final line break leaves an empty last line in the document: no line of ours.
    const long lastStart = send(QsciScintillaBase::SCI_POSITIONFROMLINE, docLines - 1);
    return int(lastStart == length ? docLines - 1 : docLines);
}

namespace {

// UTF-8 bytes of the editor's as text. QString::fromUtf8 would drop a U+FEFF that starts
// them (a second BOM, or a line beginning with one); it is text here and stays.
QString fromEditorBytes(const char *bytes, long size)
{
    const bool feff = size >= 3 && bytes[0] == '\xEF' && bytes[1] == '\xBB' && bytes[2] == '\xBF';
    return feff ? TextFile::fromUtf8KeepingBom(QByteArray(bytes, qsizetype(size)))
                : QString::fromUtf8(bytes, qsizetype(size));
}

} // namespace

QString EditorAdapter::wholeText() const
{
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    QByteArray bytes(int(length) + 1, '\0');
    m_editor->SendScintilla(QsciScintillaBase::SCI_GETTEXT, (unsigned long)(length + 1),
                            bytes.data());
    bytes.chop(1);
    return TextFile::fromUtf8KeepingBom(bytes);
}

QStringList EditorAdapter::lines() const
{
    // Each line is decoded straight from the editor's own buffer: the text is copied once.
    QStringList result;
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    const char *text =
        reinterpret_cast<const char *>(send(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    if (length <= 0 || !text)
        return result;
    long start = 0;
    for (long i = 0; i < length; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        result.append(fromEditorBytes(text + start, i - start));
        if (c == '\r' && i + 1 < length && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < length)
        result.append(fromEditorBytes(text + start, length - start));
    return result;
}

QString EditorAdapter::line(int line) const
{
    if (line < 1 || line > lineCount())
        return QString();
    const long length = send(QsciScintillaBase::SCI_LINELENGTH, line - 1);
    QByteArray bytes(int(length) + 1, '\0');
    m_editor->SendScintilla(QsciScintillaBase::SCI_GETLINE, (unsigned long)(line - 1),
                            bytes.data());
    long size = length;
    while (size > 0 && (bytes.at(size - 1) == '\n' || bytes.at(size - 1) == '\r'))
        --size;
    return fromEditorBytes(bytes.constData(), size);
}

QString EditorAdapter::textBetween(long from, long to) const
{
    if (!m_editor || to <= from)
        return QString();
    QByteArray bytes(qsizetype(to - from) + 1, '\0');
    const long size =
        m_editor->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, from, to, bytes.data());
    return fromEditorBytes(bytes.constData(), size);
}

QString EditorAdapter::text() const
{
    return normalizeLineEndings(wholeText(), m_format.lineEnding);
}

void EditorAdapter::setLines(const QStringList &lines)
{
    const QString lineEnding = TextFile::lineEndingText(m_format.lineEnding);
    QString text = lines.join(lineEnding);
    if (!lines.isEmpty() && lines.last().isEmpty())
        text += lineEnding;
    setText(text);
}

void EditorAdapter::setText(const QString &text)
{
    loadBytes(normalizeLineEndings(text, m_format.lineEnding).toUtf8());
}

void EditorAdapter::loadBytes(const QByteArray &bytes)
{
    ++m_loading;
    const bool readOnly = m_editor->isReadOnly(); // a read-only document is still loadable
    send(QsciScintillaBase::SCI_SETREADONLY, 0);
    // The text by its length: a NUL byte would end it as a C string.
    send(QsciScintillaBase::SCI_SETTEXT, 0, reinterpret_cast<long>(""));
    send(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()),
         reinterpret_cast<long>(bytes.constData()));
    send(QsciScintillaBase::SCI_SETREADONLY, readOnly ? 1 : 0);
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    send(QsciScintillaBase::SCI_SETSAVEPOINT);
    --m_loading;
    m_forcedModified = false;
    emitCaretIfMoved();
}

void EditorAdapter::loadContent(const TextFile::Content &content)
{
    setFormat(content.format);
    setText(content.text);
}

namespace {

// True when every line break in bytes is the given ending.
bool uniformLineEndings(const QByteArray &bytes, TextFile::LineEnding ending)
{
    const char *data = bytes.constData();
    const qsizetype n = bytes.size();
    switch (ending) {
    case TextFile::LineEnding::LF: return std::memchr(data, '\r', size_t(n)) == nullptr;
    case TextFile::LineEnding::CR: return std::memchr(data, '\n', size_t(n)) == nullptr;
    case TextFile::LineEnding::CRLF:
        for (qsizetype i = 0; i < n; ++i) {
            if (data[i] == '\r') {
                if (i + 1 >= n || data[i + 1] != '\n')
                    return false;
                ++i;
            } else if (data[i] == '\n') {
                return false;
            }
        }
        return true;
    }
    return false;
}

} // namespace

void EditorAdapter::loadUtf8(const QByteArray &utf8, const TextFile::Format &format)
{
    setFormat(format);
    if (uniformLineEndings(utf8, format.lineEnding))
        loadBytes(utf8);
    else
        setText(TextFile::fromUtf8KeepingBom(utf8));
}

void EditorAdapter::setFormat(const TextFile::Format &f)
{
    m_format = f;
    send(QsciScintillaBase::SCI_SETEOLMODE, eolMode(f.lineEnding));
}

void EditorAdapter::insertAtCaret(const QString &text)
{
    const QByteArray bytes = normalizeLineEndings(text, m_format.lineEnding).toUtf8();
    send(QsciScintillaBase::SCI_BEGINUNDOACTION);
    if (hasSelection())
        m_editor->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, "");
    long pos = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long main = send(QsciScintillaBase::SCI_GETMAINSELECTION);
    const long virtualSpace = send(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, main);
    if (virtualSpace > 0) {
        // The caret stands past the line end: fill up to it with blanks first.
        const QByteArray blanks(int(virtualSpace), ' ');
        send(QsciScintillaBase::SCI_INSERTTEXT, pos, reinterpret_cast<long>(blanks.constData()));
        pos += virtualSpace;
    }
    send(QsciScintillaBase::SCI_INSERTTEXT, pos, reinterpret_cast<long>(bytes.constData()));
    if (m_compound > 0)
        m_compoundChanged = true;
    send(QsciScintillaBase::SCI_SETEMPTYSELECTION, pos + bytes.size());
    send(QsciScintillaBase::SCI_CHOOSECARETX);
    send(QsciScintillaBase::SCI_ENDUNDOACTION);
    scrollToCaret();
    emitCaretIfMoved();
}

void EditorAdapter::replaceText(const QString &text)
{
    const QByteArray bytes = normalizeLineEndings(text, m_format.lineEnding).toUtf8();
    const bool wasEmpty = send(QsciScintillaBase::SCI_GETLENGTH) == 0;
    send(QsciScintillaBase::SCI_BEGINUNDOACTION);
    send(QsciScintillaBase::SCI_SETTARGETRANGE, 0, send(QsciScintillaBase::SCI_GETLENGTH));
    send(QsciScintillaBase::SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()),
         reinterpret_cast<long>(bytes.constData()));
    send(QsciScintillaBase::SCI_ENDUNDOACTION);
    if (wasEmpty && bytes.isEmpty()) {
        // Nothing changed, so the editor said nothing: the edit still counts.
        m_forcedModified = true;
        emit textChanged();
    }
    send(QsciScintillaBase::SCI_SETEMPTYSELECTION, 0);
    send(QsciScintillaBase::SCI_CHOOSECARETX);
    scrollToCaret();
    emitCaretIfMoved();
}

void EditorAdapter::replaceLines(const QStringList &lines)
{
    replaceText(lines.join(TextFile::lineEndingText(m_format.lineEnding)));
}

// Asked of Scintilla itself: QsciScintilla's own selection flag follows only after
// the next update notification.
bool EditorAdapter::hasSelection() const
{
    return send(QsciScintillaBase::SCI_GETSELECTIONEMPTY) == 0;
}

QString EditorAdapter::selectedText() const
{
    const long start = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long end = send(QsciScintillaBase::SCI_GETSELECTIONEND);
    if (end <= start)
        return QString();
    QByteArray bytes(int(end - start) + 1, '\0');
    m_editor->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, start, end, bytes.data());
    bytes.chop(1);
    return QString::fromUtf8(bytes);
}

void EditorAdapter::selectAll()
{
    m_editor->selectAll(true);
}

void EditorAdapter::setSelection(int line1, int col1, int line2, int col2)
{
    const Place anchor = placeOf(line1, col1);
    const Place caret = placeOf(line2, col2);
    send(QsciScintillaBase::SCI_SETSELECTION, caret.pos, anchor.pos);
    send(QsciScintillaBase::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0, caret.virtualSpace);
    send(QsciScintillaBase::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0, anchor.virtualSpace);
    scrollToCaret();
    emitCaretIfMoved();
}

QString EditorAdapter::caretLineIndent() const
{
    const QString s = line(caretLine());
    int n = 0;
    while (n < s.size() && s.at(n) == QLatin1Char(' '))
        ++n;
    return s.left(n);
}

// ---- typing aids ------------------------------------------------------------------------

void EditorAdapter::setAutoIndent(bool on)
{
    m_editor->setAutoIndent(on);
}

void EditorAdapter::setTabsToSpaces(bool on)
{
    m_editor->setIndentationsUseTabs(!on);
}

void EditorAdapter::setSmartTabs(bool on)
{
    m_smartTabs = on;
}

// Blanks up to the start of the next word of the nearest non-empty line above the caret;
// false (the Tab key does its usual work) when that line has no word right of the caret.
bool EditorAdapter::smartTab()
{
    if (hasSelection())
        return false;
    const int column = caretColumn();
    QString above;
    for (int l = caretLine() - 1; l >= 1 && above.trimmed().isEmpty(); --l)
        above = line(l);
    qsizetype i = column - 1; // the character above the caret
    while (i < above.size() && above.at(i) != QLatin1Char(' '))
        ++i;
    while (i < above.size() && above.at(i) == QLatin1Char(' '))
        ++i;
    if (i >= above.size())
        return false;
    insertAtCaret(QString(int(i + 1 - column), QLatin1Char(' ')));
    return true;
}

// ---- undo, clipboard, modified flag ------------------------------------------------------

void EditorAdapter::beginUndoAction()
{
    send(QsciScintillaBase::SCI_BEGINUNDOACTION);
}
void EditorAdapter::endUndoAction()
{
    send(QsciScintillaBase::SCI_ENDUNDOACTION);
}
// Undo and redo run without the editor's change notifications (see quietly()): undoing a
// Replace All of thousands of matches would otherwise take minutes.
void EditorAdapter::undo()
{
    if (send(QsciScintillaBase::SCI_CANUNDO))
        quietly([this] { m_editor->undo(); });
}
void EditorAdapter::redo()
{
    if (send(QsciScintillaBase::SCI_CANREDO))
        quietly([this] { m_editor->redo(); });
}
void EditorAdapter::cut()
{
    m_editor->cut();
}
void EditorAdapter::copy()
{
    m_editor->copy();
}
void EditorAdapter::paste()
{
    m_editor->paste();
}

bool EditorAdapter::isModified() const
{
    return m_forcedModified || send(QsciScintillaBase::SCI_GETMODIFY) != 0;
}

void EditorAdapter::setModified(bool m)
{
    // Scintilla only knows "at the save point"; a forced modified flag is kept beside it.
    m_forcedModified = m;
    if (!m)
        send(QsciScintillaBase::SCI_SETSAVEPOINT);
}

// ---- highlighter and appearance ----------------------------------------------------------

void EditorAdapter::setHighlighter(Highlighter *h)
{
    if (m_highlighter == h)
        return;
    if (m_highlighter)
        disconnect(m_highlighter, nullptr, this, nullptr);
    m_highlighter = h;
    if (h) {
        connect(h, &QObject::destroyed, this, [this] {
            m_highlighter = nullptr;
            if (m_editor)
                m_editor->setLexer(nullptr);
            applyAppearance();
        });
        h->setBaseFont(m_font);
        h->setDefaultPaper(m_paper);
    }
    // The general lexer styles only what is shown, also right after it is set.
    GeneralLexer *general = h ? h->generalLexer() : nullptr;
    if (general)
        general->setStylingDeferred(true);
    m_editor->setLexer(h ? h->lexer() : nullptr);
    if (general)
        general->setStylingDeferred(false);
    applyAppearance();
}

void EditorAdapter::applyAppearance()
{
    if (!m_editor)
        return;
    if (!m_highlighter) {
        // Without a lexer every style is the default style.
        m_editor->setFont(m_font);
        m_editor->setPaper(m_paper);
        m_editor->setColor(Qt::black);
        send(QsciScintillaBase::SCI_STYLECLEARALL);
    } else {
        m_highlighter->applyToLexer();
    }
    applyGutter();
}

void EditorAdapter::applyGutter()
{
    const bool padded = m_lineNumbers && m_leadingZeros;
    if (padded && !m_paddedNumbers)
        m_paddedNumbers = new PaddedLineNumbers(m_editor);
    if (m_paddedNumbers)
        m_paddedNumbers->setActive(padded);
    m_editor->setMarginType(0,
                            !m_lineNumbers ? QsciScintilla::SymbolMargin
                                : padded   ? QsciScintilla::TextMarginRightJustified
                                           : QsciScintilla::NumberMargin);
    m_editor->setMarginMarkerMask(0, MarkerMask);
    m_editor->setMarginWidth(0, m_gutterVisible ? m_gutterWidth : 0);
    m_editor->setMarginsFont(m_font);
    m_editor->setMarginsBackgroundColor(m_gutterColor);
    m_editor->setMarginsForegroundColor(Qt::black);
}

void EditorAdapter::setEditorFont(const QFont &font)
{
    m_font = font;
    if (m_highlighter)
        m_highlighter->setBaseFont(font);
    applyAppearance();
}

void EditorAdapter::setBackgroundColor(const QColor &c)
{
    m_paper = c;
    if (m_highlighter)
        m_highlighter->setDefaultPaper(c);
    applyAppearance();
}

void EditorAdapter::setGutterColor(const QColor &c)
{
    m_gutterColor = c;
    applyGutter();
}

void EditorAdapter::setGutterVisible(bool visible)
{
    m_gutterVisible = visible;
    applyGutter();
}

void EditorAdapter::setGutterWidth(int pixels)
{
    m_gutterWidth = qMax(0, pixels);
    applyGutter();
}

void EditorAdapter::setShowLineNumbers(bool show)
{
    m_lineNumbers = show;
    applyGutter();
}

void EditorAdapter::setLeadingZeros(bool on)
{
    m_leadingZeros = on;
    applyGutter();
}

void EditorAdapter::setShowSpecialChars(bool show)
{
    m_editor->setWhitespaceVisibility(show ? QsciScintilla::WsVisible : QsciScintilla::WsInvisible);
    m_editor->setEolVisibility(show);
}

void EditorAdapter::setReadOnly(bool readOnly)
{
    m_editor->setReadOnly(readOnly);
}
bool EditorAdapter::isReadOnly() const
{
    return m_editor->isReadOnly();
}

int EditorAdapter::firstVisibleLine() const
{
    return int(send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)) + 1;
}

int EditorAdapter::linesOnScreen() const
{
    return int(send(QsciScintillaBase::SCI_LINESONSCREEN));
}

void EditorAdapter::setFirstVisibleLine(int line)
{
    send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, qMax(0, line - 1));
}

// ---- line colours, indicators, marks -----------------------------------------------------

void EditorAdapter::setLineColors(int line, const QColor &fg, const QColor &bg)
{
    clearLineColors();
    if (line < 1 || line > send(QsciScintillaBase::SCI_GETLINECOUNT))
        return;
    m_editor->setMarkerBackgroundColor(bg, LineColorMarker);
    m_editor->markerAdd(line - 1, LineColorMarker);
    m_editor->SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, (unsigned long)LineColorIndicator,
                            fg);
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line - 1);
    const long end = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line - 1);
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, LineColorIndicator);
    send(QsciScintillaBase::SCI_INDICATORFILLRANGE, start, end - start);
    m_lineColorsSet = true;
}

void EditorAdapter::setSelectionBackgroundColor(const QColor &c)
{
    m_editor->setSelectionBackgroundColor(c);
}

void EditorAdapter::clearLineColors()
{
    if (!m_lineColorsSet)
        return;
    m_editor->markerDeleteAll(LineColorMarker);
    clearIndicator(LineColorIndicator);
    m_lineColorsSet = false;
}

void EditorAdapter::defineIndicator(int id, IndicatorStyle style, const QColor &color)
{
    int scintillaStyle = QsciScintillaBase::INDIC_SQUIGGLE;
    switch (style) {
    case IndicatorStyle::Squiggle: break;
    case IndicatorStyle::SquiggleLow: scintillaStyle = QsciScintillaBase::INDIC_SQUIGGLELOW; break;
    case IndicatorStyle::Plain: scintillaStyle = QsciScintillaBase::INDIC_PLAIN; break;
    case IndicatorStyle::Box: scintillaStyle = QsciScintillaBase::INDIC_BOX; break;
    }
    send(QsciScintillaBase::SCI_INDICSETSTYLE, id, scintillaStyle);
    m_editor->SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, (unsigned long)id, color);
}

void EditorAdapter::setIndicator(int id, int line, int column, int length)
{
    if (line < 1 || line > send(QsciScintillaBase::SCI_GETLINECOUNT) || length <= 0)
        return;
    const Place from = placeOf(line, column);
    if (from.virtualSpace > 0)
        return;
    const long docLength = send(QsciScintillaBase::SCI_GETLENGTH);
    long to = send(QsciScintillaBase::SCI_POSITIONRELATIVE, from.pos, length);
    if (to == 0) // past the end of the text
        to = docLength;
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, id);
    send(QsciScintillaBase::SCI_INDICATORFILLRANGE, from.pos, to - from.pos);
}

void EditorAdapter::clearIndicator(int id)
{
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, id);
    send(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0, send(QsciScintillaBase::SCI_GETLENGTH));
}

void EditorAdapter::defineMarker(int id, const QPixmap &image)
{
    if (isCallerMark(id))
        m_editor->markerDefine(image, id);
}

void EditorAdapter::addMarker(int line, int id)
{
    if (isCallerMark(id) && line >= 1 && line <= send(QsciScintillaBase::SCI_GETLINECOUNT)
        && !hasMarker(line, id))
        m_editor->markerAdd(line - 1, id);
}

void EditorAdapter::deleteMarker(int line, int id)
{
    if (isCallerMark(id) && line >= 1)
        m_editor->markerDelete(line - 1, id);
}

void EditorAdapter::clearMarkers(int id)
{
    if (isCallerMark(id))
        m_editor->markerDeleteAll(id);
}

bool EditorAdapter::hasMarker(int line, int id) const
{
    if (!isCallerMark(id) || line < 1)
        return false;
    return (m_editor->markersAtLine(line - 1) & (1u << id)) != 0;
}

QList<int> EditorAdapter::markerLines(int id) const
{
    QList<int> result;
    if (!isCallerMark(id))
        return result;
    long l = send(QsciScintillaBase::SCI_MARKERNEXT, 0, 1L << id);
    while (l >= 0) {
        result.append(int(l) + 1);
        l = send(QsciScintillaBase::SCI_MARKERNEXT, l + 1, 1L << id);
    }
    return result;
}

int EditorAdapter::addMarkerHandle(int line, int id)
{
    if (!m_editor || !isCallerMark(id) || line < 1
        || line > send(QsciScintillaBase::SCI_GETLINECOUNT))
        return -1;
    return m_editor->markerAdd(line - 1, id);
}

int EditorAdapter::markerLineOfHandle(int handle) const
{
    if (!m_editor || handle < 0)
        return 0;
    return m_editor->markerLine(handle) + 1;
}

void EditorAdapter::deleteMarkerHandle(int handle)
{
    if (m_editor && handle >= 0)
        m_editor->markerDeleteHandle(handle);
}

QString EditorAdapter::attributeNameAt(int line, int column) const
{
    if (!m_highlighter || line < 1 || line > send(QsciScintillaBase::SCI_GETLINECOUNT))
        return QString();
    const Place p = placeOf(line, column);
    if (p.virtualSpace > 0)
        return attributeNameAtPosition(send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line - 1));
    return attributeNameAtPosition(p.pos);
}

QString EditorAdapter::attributeNameAtPosition(long pos) const
{
    if (!m_highlighter)
        return QString();
    const long lineEnd = send(QsciScintillaBase::SCI_GETLINEENDPOSITION,
                              send(QsciScintillaBase::SCI_LINEFROMPOSITION, pos));
    int index = -1;
    if (pos >= lineEnd) {
        index = m_highlighter->indexOfAttribute(QStringLiteral("Space"));
    } else {
        // The lexer starts on a line start: started inside a word after an edit, it would take
        // the rest of the text for that word.
        const long endStyled = send(QsciScintillaBase::SCI_GETENDSTYLED);
        if (endStyled <= pos)
            send(QsciScintillaBase::SCI_COLOURISE,
                 send(QsciScintillaBase::SCI_POSITIONFROMLINE,
                      send(QsciScintillaBase::SCI_LINEFROMPOSITION, endStyled)),
                 lineEnd);
        index = m_highlighter->attributeOfStyle(int(send(QsciScintillaBase::SCI_GETSTYLEAT, pos)));
    }
    return index < 0 ? QString() : m_highlighter->attribute(index).name;
}

// ---- search ------------------------------------------------------------------------------

bool EditorAdapter::findText(const QString &text, bool caseSensitive, bool wholeWord, bool forward,
                             bool fromCaret)
{
    if (text.isEmpty())
        return false;
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    long start;
    long end;
    if (forward) {
        start = fromCaret ? send(QsciScintillaBase::SCI_GETSELECTIONEND) : 0;
        end = length;
    } else {
        start = fromCaret ? send(QsciScintillaBase::SCI_GETSELECTIONSTART) : length;
        end = 0; // a range from high to low searches backwards
    }
    long foundEnd = -1;
    const long found =
        search(TextSearch::Pattern(text, caseSensitive), wholeWord, start, end, &foundEnd);
    if (found < 0)
        return false;
    // The caret goes to the match's end; scrolling is ours (once per compound edit).
    send(QsciScintillaBase::SCI_SETSELECTION, foundEnd, found);
    send(QsciScintillaBase::SCI_CHOOSECARETX);
    scrollToCaret();
    emitCaretIfMoved();
    return true;
}
