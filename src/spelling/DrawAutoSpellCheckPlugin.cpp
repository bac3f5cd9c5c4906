#include "spelling/DrawAutoSpellCheckPlugin.h"

#include "editor/EditorAdapter.h"

#include <QEvent>
#include <QScopeGuard>
#include <QTimer>
#include <QWidget>

namespace {

// A character of UTF-8 text: its code point and its size in bytes.
struct Utf8Char {
    char32_t code;
    int size;
};

Utf8Char charAt(QByteArrayView text, qsizetype i)
{
    const auto lead = uchar(text[i]);
    int size = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (i + size > text.size())
        size = 1;
    char32_t code = size == 1 ? lead : lead & (0x7F >> size);
    for (int k = 1; k < size; ++k)
        code = (code << 6) | (uchar(text[i + k]) & 0x3F);
    return {code, size};
}

// The start of the character that ends right before byte i (i > 0).
qsizetype previousChar(QByteArrayView text, qsizetype i)
{
    do
        --i;
    while (i > 0 && (uchar(text[i]) & 0xC0) == 0x80);
    return i;
}

// The checker's word characters. A character beyond the Basic Multilingual Plane is none:
// neither of its UTF-16 halves is a letter.
bool isWordChar(char32_t c, const TSpellCheck &checker)
{
    return c < 0x10000 && checker.isWordChar(QChar(char16_t(c)));
}

} // namespace

TDrawAutoSpellCheckPlugin::TDrawAutoSpellCheckPlugin(EditorAdapter *editor, TSpellCheck *checker)
    : QObject(editor), m_editor(editor)
{
    setChecker(checker);
    applyLook();
    connect(editor, &EditorAdapter::contentsChanged, this,
            &TDrawAutoSpellCheckPlugin::scheduleRefresh);
    connect(editor, &EditorAdapter::viewScrolled, this,
            &TDrawAutoSpellCheckPlugin::scheduleRefresh);
    if (QWidget *w = editor->widget())
        w->installEventFilter(this);
    if (QWidget *view = editor->viewport())
        view->installEventFilter(this);
    scheduleRefresh();
}

void TDrawAutoSpellCheckPlugin::setChecker(TSpellCheck *checker)
{
    if (checker == m_checker)
        return;
    if (m_checker)
        disconnect(m_checker, nullptr, this, nullptr);
    m_checker = checker;
    if (checker) {
        connect(checker, &TSpellCheck::appearanceChanged, this,
                &TDrawAutoSpellCheckPlugin::scheduleRefresh);
        connect(checker, &TSpellCheck::dictionaryLoaded, this,
                &TDrawAutoSpellCheckPlugin::scheduleRefresh);
        connect(checker, &TSpellCheck::dictionaryClosed, this,
                &TDrawAutoSpellCheckPlugin::scheduleRefresh);
    }
    scheduleRefresh();
}

void TDrawAutoSpellCheckPlugin::setPenColor(TColor c)
{
    if (c == m_penColor)
        return;
    m_penColor = c;
    applyLook();
}

void TDrawAutoSpellCheckPlugin::setUnderlineStyle(TSpellCheck::UnderlineStyle s)
{
    if (s == m_style)
        return;
    m_style = s;
    applyLook();
}

void TDrawAutoSpellCheckPlugin::applyLook()
{
    if (!m_editor)
        return;
    // Pixels below the baseline, one per column, repeating every four columns.
    static constexpr std::array<int, 4> word = {0, 1, 2, 1};
    static constexpr std::array<int, 4> wordPerfect = {2, 1, 0, -1};
    m_editor->setWaveLook(m_penColor.toQColor(),
                          m_style == TSpellCheck::usMicrosoftWord ? word : wordPerfect);
}

void TDrawAutoSpellCheckPlugin::scheduleRefresh()
{
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_pending)
            refresh();
    });
}

bool TDrawAutoSpellCheckPlugin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        scheduleRefresh();
    return QObject::eventFilter(watched, event);
}

void TDrawAutoSpellCheckPlugin::refresh()
{
    m_pending = false;
    if (!m_editor || !m_editor->widget())
        return;
    EditorAdapter &e = *m_editor;
    m_underlined.clear();
    const auto show = qScopeGuard([this, &e] {
        QList<EditorAdapter::PositionRange> waves;
        for (const Word &w : std::as_const(m_underlined))
            waves.append({w.from, w.to});
        e.setWaves(waves);
    });
    if (!m_checker || !m_checker->editor()
        || !m_checker->options().testFlag(TSpellCheck::sscoAutoSpellCheck))
        return;

    const int first = e.firstVisibleLine();
    const int last = qMin(e.lineCount(), first + e.linesOnScreen());
    for (int line = first; line <= last; ++line)
        checkLine(line);
}

// The words of a line are its runs of word characters. Only those the view shows, in part at
// least, are looked at; a one-character word in the last column of a longer line is not.
void TDrawAutoSpellCheckPlugin::checkLine(int line)
{
    const EditorAdapter &e = *m_editor;
    const TSpellCheck &checker = *m_checker;
    const EditorAdapter::PositionRange seen = e.visibleRange(line);
    long start = 0;
    const QByteArrayView text = e.lineBytes(line, &start);
    const qsizetype left = qBound(qsizetype(0), qsizetype(seen.from - start), text.size());
    const qsizetype right = qBound(left, qsizetype(seen.to - start), text.size());

    // From the start of the word cut by the left edge through the word cut by the right edge.
    QList<Word> unknown;
    qsizetype at = left;
    while (at > 0) {
        const qsizetype before = previousChar(text, at);
        if (!isWordChar(charAt(text, before).code, checker))
            break;
        at = before;
    }
    while (at <= right && at < text.size()) {
        qsizetype end = at;
        while (end < text.size()) {
            const Utf8Char c = charAt(text, end);
            if (!isWordChar(c.code, checker))
                break;
            end += c.size;
        }
        if (end == at) {
            at += charAt(text, at).size;
            continue;
        }
        const bool lastColumn = at > 0 && end == text.size() && charAt(text, at).size == end - at;
        const QString word = QString::fromUtf8(text.sliced(at, end - at));
        if (!lastColumn && !checker.isWordCorrect(word))
            unknown.append({line, start + at, start + end, int(word.size())});
        at = end;
    }

    // Styling the text for the attribute test may move the editor's bytes: text is done with.
    if (e.highlighter() == nullptr) {
        m_underlined.append(unknown);
        return;
    }
    const QStringList attribs = checker.checkAttribs();
    for (const Word &w : std::as_const(unknown)) {
        if (attribs.contains(e.attributeNameAtPosition(w.from), Qt::CaseInsensitive))
            m_underlined.append(w);
    }
}

QList<TDrawAutoSpellCheckPlugin::Underline> TDrawAutoSpellCheckPlugin::underlined() const
{
    QList<Underline> result;
    if (!m_editor)
        return result;
    for (const Word &w : m_underlined) {
        long start = 0;
        m_editor->lineBytes(w.line, &start);
        result.append({w.line, int(m_editor->textBetween(start, w.from).size()) + 1, w.length});
    }
    return result;
}
