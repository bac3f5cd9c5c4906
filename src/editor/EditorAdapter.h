#pragma once

#include "editor/WaveOverlay.h"
#include "platform/TextFile.h"

#include <QByteArrayView>
#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QKeyEvent;
class QKeySequence;
class QsciScintilla;
class QWidget;
class Highlighter;
class PaddedLineNumbers;
namespace TextSearch {
class Pattern;
}

// The document editor as the rest of the program sees it: a QsciScintilla with
// 1-based line/column caret positions (virtual space on, so the caret may stand past
// a line end), the text as a line list, and insertion at the caret in the document's
// own line ending. textChanged() fires for user edits and inserts, not for setText().
class EditorAdapter : public QObject
{
    Q_OBJECT
public:
    explicit EditorAdapter(QWidget *parent = nullptr);
    ~EditorAdapter() override;

    // The editor widget (for layouts, focus, pop-up menus and event filters).
    QWidget *widget() const;
    // The editor itself, for the other classes of src/editor (printing, export).
    QsciScintilla *scintilla() const { return m_editor; }
    // The part of the widget the text is drawn on.
    QWidget *viewport() const;

    // Caret, 1-based. Column counts characters; past the line end is virtual space.
    int caretLine() const;
    int caretColumn() const;
    void setCaret(int line, int column); // line clamped to 1..lineCount (at least 1)

    // Lines: a final line break adds no line, an empty text has 0 lines.
    int lineCount() const;
    QStringList lines() const;
    QString line(int line) const; // 1-based; empty when out of range
    // The whole text with every line break in the document's line ending (a final
    // line break is kept when the document has one).
    QString text() const;
    // Same as setText() with the lines joined by the document's line ending; a last line that
    // is empty ends in a line break, so that lines() gives the list back.
    void setLines(const QStringList &lines);

    // Programmatic load: no textChanged(), undo history cleared, modified flag cleared.
    // Line breaks of any kind become the document's line ending.
    void setText(const QString &text);
    // Loads bytes decoded by TextFile and keeps their format for saving.
    void loadContent(const TextFile::Content &content);
    // The same from UTF-8 bytes (TextFile::loadUtf8): uniform line endings go to the editor as they are.
    void loadUtf8(const QByteArray &utf8, const TextFile::Format &format);
    TextFile::Format format() const { return m_format; }
    void setFormat(const TextFile::Format &f);

    // Replaces the selection with text at the caret; CR, LF and CR LF in text become the
    // document's line ending; the caret ends after the text. One undo step.
    void insertAtCaret(const QString &text);
    // An edit that replaces the whole text (line breaks as for insertAtCaret), unlike
    // setText() a change of the user's document: one undo step, textChanged(), the editor
    // counts as modified (also when the text stays the same). The caret goes to line 1.
    void replaceText(const QString &text);
    // Same with the lines joined by the document's line ending.
    void replaceLines(const QStringList &lines);
    bool hasSelection() const;
    QString selectedText() const;
    void selectAll();
    // Selection in 1-based line/column: anchor at line1/col1, caret at line2/col2.
    void setSelection(int line1, int col1, int line2, int col2);

    // Leading blanks (spaces only) of the caret line.
    QString caretLineIndent() const;

    // Typing aids. Auto-indent: a new line starts with the blanks of the line above. Tabs to
    // spaces: the Tab key inserts blanks. Smart tabs: the Tab key moves the caret under the
    // start of the next word of the nearest non-empty line above, when there is one.
    void setAutoIndent(bool on);
    void setTabsToSpaces(bool on);
    void setSmartTabs(bool on);

    // Undo grouping for compound edits.
    void beginUndoAction();
    void endUndoAction();

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();

    bool isModified() const;
    void setModified(bool m);

    void setHighlighter(Highlighter *h); // nullptr: no highlighting
    Highlighter *highlighter() const { return m_highlighter; }

    // Appearance. The gutter is one margin holding line numbers (when shown) and marks.
    void setEditorFont(const QFont &font);
    QFont editorFont() const { return m_font; }
    void setBackgroundColor(const QColor &c);
    void setGutterColor(const QColor &c);
    void setGutterVisible(bool visible);
    void setGutterWidth(int pixels);
    void setShowLineNumbers(bool show);
    bool showLineNumbers() const { return m_lineNumbers; }
    // Line numbers padded with zeros to the width of the highest one (when they are shown).
    void setLeadingZeros(bool on);
    bool leadingZeros() const { return m_leadingZeros; }
    void setShowSpecialChars(bool show);
    void setReadOnly(bool readOnly);
    bool isReadOnly() const;

    // Visible part, 1-based first line.
    int firstVisibleLine() const;
    int linesOnScreen() const;
    void setFirstVisibleLine(int line);
    // Scrolls the caret into view and repaints.
    void ensureCaretVisible();
    // Repaints the text area.
    void repaintView();

    // Colours one line's text and background (one colour pair at a time, e.g. the error line).
    void setLineColors(int line, const QColor &fg, const QColor &bg);
    void clearLineColors();
    bool hasLineColors() const { return m_lineColorsSet; }
    // Background of selected text.
    void setSelectionBackgroundColor(const QColor &c);

    // Positions: byte offsets into the text, which the editor holds as UTF-8, each at the start
    // of a character. Unlike columns they are found without counting the characters from the
    // start of the line, which takes as long as the line.
    struct PositionRange {
        long from = 0;
        long to = 0; // one past the last byte
        friend bool operator==(const PositionRange &a, const PositionRange &b)
        {
            return a.from == b.from && a.to == b.to;
        }
    };
    // A line's bytes (1-based line), its line break left out; start receives the position of
    // the first. Empty when the line is empty or out of range. The bytes are the editor's own:
    // valid until the text changes, is styled (attributeNameAt may style it) or is asked for
    // as bytes again.
    QByteArrayView lineBytes(int line, long *start) const;
    // The part of a line that the view shows, from the character under the left edge of the
    // text area through the character under the right edge of the view.
    PositionRange visibleRange(int line) const;
    // The text between two positions.
    QString textBetween(long from, long to) const;

    // Wavy underlines over ranges of the text (the spell checker's). Each runs from the
    // range's first pixel column through the column just right of its last character, its
    // baseline three pixels above the line's bottom; the offsets (pixels below the baseline,
    // one per column, repeating every four) shape it, an offset of -1 being drawn in the
    // background colour.
    void setWaves(const QList<PositionRange> &ranges);
    void setWaveLook(const QColor &pen, const std::array<int, 4> &offsets);
    // The waves as line, column and length in characters (counting them: meant for checks).
    struct WaveRange {
        int line;
        int column;
        int length;
    };
    QList<WaveRange> waves() const;
    WaveOverlay *waveOverlay() const { return m_waveOverlay; }

    // Indicators (0..19 free for callers; a squiggle by default): a range of length
    // characters from 1-based line/column.
    enum class IndicatorStyle { Squiggle, SquiggleLow, Plain, Box };
    void defineIndicator(int id, IndicatorStyle style, const QColor &color);
    void setIndicator(int id, int line, int column, int length);
    void clearIndicator(int id);

    // Gutter marks (breakpoints use mark 0, a red circle unless given an image). Lines are 1-based.
    void defineMarker(int id, const QPixmap &image);
    void addMarker(int line, int id = 0);
    void deleteMarker(int line, int id = 0);
    void clearMarkers(int id = 0);
    bool hasMarker(int line, int id = 0) const;
    QList<int> markerLines(int id = 0) const;

    // Marks by handle. Several marks may share a line; each follows its text through edits
    // (the marks of a deleted line move to the line that takes its place). addMarkerHandle
    // returns the mark's handle, unique within this editor, or -1 when the line is out of
    // range or the id is no mark defined (defineMarker; mark 0 is there from the start);
    // markerLineOfHandle gives its 1-based line, 0 once the mark is gone.
    int addMarkerHandle(int line, int id);
    int markerLineOfHandle(int handle) const;
    void deleteMarkerHandle(int handle);

    // Keys of the window's commands. A key for which the test is true is left to the window's
    // shortcuts: the editor does not claim it before they are looked at, so the command holding
    // it runs instead of the editor's own binding of the key. Neither the editor nor the key
    // filters below ever see it, also while its command is disabled. Without a test (the
    // default) the editor keeps every key it binds. The test is asked at each key, so it
    // follows shortcuts that change.
    using CommandKeyTest = std::function<bool(const QKeySequence &key)>;
    void setCommandKeys(CommandKeyTest test);

    // Key filters: the one place where features see the editor's keys (shortcut keys,
    // completion triggers, bookmark keys). A filter is called with each key press (and, for
    // onRelease, each key release) that reaches the editor, before the editor handles it; it
    // returns true to consume the key, and then neither the editor nor the filters added
    // before it see the event. The filter added last is asked first. Filters are removed with
    // their owner (or by removeKeyFilters). Keys taken by the window's shortcuts never arrive.
    using KeyFilter = std::function<bool(QKeyEvent *event)>;
    void addKeyFilter(QObject *owner, KeyFilter onPress, KeyFilter onRelease = {});
    void removeKeyFilters(QObject *owner);

    // Lets the editor handle a key now, skipping the key filters: a filter that wants to act
    // after the editor took its key calls this and then returns true.
    void processKey(QKeyEvent *event);

    // Completion aids. The screen point of the caret's left edge at the top of its line
    // (virtual space counted), and the height of a line in pixels.
    QPoint caretScreenPoint() const;
    int lineHeight() const;
    // Removes length characters before the caret (never past the line start) as one edit.
    void deleteBeforeCaret(int length = 1);

    // A call tip under the caret line: text, with the characters from highlightStart
    // (0-based) for highlightLength drawn in the highlight colour (none when the length is 0).
    void showCallTip(const QString &text, int highlightStart = 0, int highlightLength = 0);
    void cancelCallTip();
    bool isCallTipActive() const;
    // The text of the tip shown and its highlighted part; empty when no tip is shown.
    QString callTipText() const;
    QString callTipHighlight() const;

    // Name of the highlighter attribute painting the character at 1-based line/column;
    // past the line end the whitespace attribute ("Space"); empty without a highlighter
    // or when no attribute covers the lexer's style there.
    QString attributeNameAt(int line, int column) const;
    // The same at a position (past its line's end: "Space").
    QString attributeNameAtPosition(long pos) const;

    // Searches from the caret (or the start/end of the text) and selects the match. Without
    // regard to case, every character compares by its Unicode case folding ("É" finds "é").
    bool findText(const QString &text, bool caseSensitive, bool wholeWord, bool forward,
                  bool fromCaret);

    // The selection's first and last place, 1-based (both the caret without a selection).
    void selectionBounds(int *line1, int *col1, int *line2, int *col2) const;
    // Replaces the text of one line, its line break kept. One undo step.
    void replaceLine(int line, const QString &text);
    // Many edits as one: one undo step; scrolling to the caret, caretMoved() and the change
    // signals wait for the end, where textChanged() and contentsChanged() come once when the
    // text changed. Calls nest.
    void beginCompoundEdit();
    void endCompoundEdit();
    // Replaces every match of text from the selection's start to the end of the text, each
    // search going on after the replacement before it; the caret after the last replacement.
    // One undo step, one change signal. Returns the number of replacements.
    int replaceAll(const QString &text, const QString &replacement, bool caseSensitive,
                   bool wholeWord);

    // A text as a line list: breaks CR, LF or CR LF; a final break adds no line.
    static QStringList splitLines(const QString &text);
    // Every line break of text made the given ending; returns text itself when nothing changes.
    static QString normalizeLineEndings(const QString &text, TextFile::LineEnding ending);

signals:
    // The user's edits and inserts (not loads).
    void textChanged();
    // Every change of the text, loads included.
    void contentsChanged();
    // The view scrolled up, down or sideways.
    void viewScrolled();
    void caretMoved(int line, int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Replaces the whole text with UTF-8 bytes (NUL bytes included) as a load: no
    // textChanged(), no undo, not modified.
    void loadBytes(const QByteArray &bytes);
    WaveOverlay::Layout waveLayout() const;
    // The pixel column where the text area starts, right of the gutter.
    int textAreaLeft() const;
    WaveOverlay *ensureWaveOverlay();
    // The document's text; a U+FEFF at its start is kept.
    QString wholeText() const;
    struct Place {
        long pos;
        long virtualSpace;
    };
    Place placeOf(int line, int column) const;
    int columnOf(long pos) const;
    void applyAppearance();
    void applyGutter();
    void emitCaretIfMoved();
    void scrollToCaret();
    long send(unsigned int msg, unsigned long w = 0, long l = 0) const;
    // The first match of pattern in [from, to), or the last in [to, from) when from > to,
    // a whole word when wholeWord (as the editor delimits words); end receives its end.
    long search(const TextSearch::Pattern &pattern, bool wholeWord, long from, long to,
                long *end) const;
    // Runs change with the editor's change notifications off, then reports the change once.
    void quietly(const std::function<void()> &change);
    void emitChanged();
    bool smartTab();
    bool filterKey(QKeyEvent *event);
    // Whether event is a key of the window's commands, which the editor leaves alone.
    bool leaveToCommand(QEvent *event) const;

    struct KeyFilterEntry {
        QPointer<QObject> owner;
        KeyFilter onPress;
        KeyFilter onRelease;
    };
    QList<KeyFilterEntry> m_keyFilters;
    CommandKeyTest m_commandKeys;
    int m_bypassKeyFilters = 0;
    QString m_callTipText;
    QString m_callTipHighlight;

    QsciScintilla *m_editor;
    Highlighter *m_highlighter = nullptr;
    TextFile::Format m_format;
    int m_loading = 0;
    bool m_forcedModified = false;
    QFont m_font;
    QColor m_paper = Qt::white;
    QColor m_gutterColor;
    int m_gutterWidth = 52;
    bool m_gutterVisible = true;
    bool m_lineNumbers = false;
    bool m_leadingZeros = false;
    PaddedLineNumbers *m_paddedNumbers = nullptr;
    bool m_lineColorsSet = false;
    QList<PositionRange> m_waves;
    WaveOverlay *m_waveOverlay = nullptr;
    bool m_scrollPending = false;
    bool m_smartTabs = false;
    int m_lastCaretLine = 0;
    int m_lastCaretColumn = 0;
    int m_compound = 0;
    bool m_compoundChanged = false;
    long m_savedEventMask = 0;
};
