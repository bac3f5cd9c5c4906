#include "java/debug/BreakpointMarks.h"

#include "editor/EditorAdapter.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr int GlyphSize = 14;

QPixmap breakpointGlyph()
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.setBrush(QColor(220, 20, 20));
    p.drawEllipse(QRectF(1.5, 1.5, GlyphSize - 3, GlyphSize - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(4, 4, 3.5, 3.5));
    return pixmap;
}

QPixmap bookmarkGlyph(int number)
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 96), 1));
    p.setBrush(QColor(40, 90, 200));
    p.drawRoundedRect(QRectF(0.5, 0.5, GlyphSize - 1, GlyphSize - 1), 2, 2);
    QFont font;
    font.setPixelSize(GlyphSize - 3);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, GlyphSize, GlyphSize), Qt::AlignCenter, QString::number(number));
    return pixmap;
}

} // namespace

BreakpointMarks::BreakpointMarks(EditorAdapter *editor) : QObject(editor), m_editor(editor)
{
    setObjectName(QStringLiteral("BreakpointMarks"));
    editor->defineMarker(BreakpointMarker, breakpointGlyph());
    for (int n = 0; n <= 9; ++n)
        editor->defineMarker(FirstBookmarkMarker + n, bookmarkGlyph(n));
}

int BreakpointMarks::lineOf(const Mark &mark) const
{
    return m_editor ? m_editor->markerLineOfHandle(mark.handle) : 0;
}

QList<int> BreakpointMarks::lines() const
{
    QList<int> result;
    for (const Mark &m : m_marks)
        if (const int line = lineOf(m))
            result.append(line);
    return result;
}

void BreakpointMarks::place(int line, int column, int bookmark)
{
    const int id = bookmark < 0 ? BreakpointMarker : FirstBookmarkMarker + bookmark;
    const int handle = m_editor->addMarkerHandle(line, id);
    if (handle >= 0)
        m_marks.append({handle, column, bookmark});
}

void BreakpointMarks::removeOnLine(int line, bool bookmarksToo)
{
    for (qsizetype i = m_marks.size() - 1; i >= 0; --i) {
        const Mark &m = m_marks.at(i);
        const int at = lineOf(m);
        if (at == 0 || (at == line && (bookmarksToo || m.bookmark < 0))) {
            m_editor->deleteMarkerHandle(m.handle);
            m_marks.removeAt(i);
        }
    }
}

void BreakpointMarks::SetBreakpoint()
{
    if (m_editor)
        BreakPointChange(m_editor->caretLine(), m_editor->caretColumn());
}

void BreakpointMarks::BreakPointChange(int line, int column)
{
    if (!m_editor)
        return;
    removeOnLine(line, true);
    place(line, column, -1);
    emit changed();
}

void BreakpointMarks::ClearBreakPoint()
{
    if (!m_editor)
        return;
    removeOnLine(m_editor->caretLine(), true);
    emit changed();
}

void BreakpointMarks::Fjernallbokmerker1Click()
{
    if (!m_editor)
        return;
    for (const Mark &m : std::as_const(m_marks))
        m_editor->deleteMarkerHandle(m.handle);
    m_marks.clear();
    emit changed();
}

bool BreakpointMarks::IsBookmarkAtLine(int line) const
{
    return std::any_of(m_marks.cbegin(), m_marks.cend(),
                       [&](const Mark &m) { return lineOf(m) == line; });
}

bool BreakpointMarks::hasBreakpointAtLine(int line) const
{
    return std::any_of(m_marks.cbegin(), m_marks.cend(),
                       [&](const Mark &m) { return m.bookmark < 0 && lineOf(m) == line; });
}

QList<int> BreakpointMarks::SorterBreakPoints() const
{
    QList<int> sorted = lines();
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

void BreakpointMarks::NextBreakPointJump()
{
    if (!m_editor)
        return;
    const int y = m_editor->caretLine();
    for (int line : SorterBreakPoints()) {
        if (line > y) {
            m_editor->setCaret(line, m_editor->caretColumn());
            return;
        }
    }
}

void BreakpointMarks::PreviousBreakPointJump()
{
    if (!m_editor)
        return;
    const int y = m_editor->caretLine();
    const QList<int> sorted = SorterBreakPoints();
    for (auto it = sorted.crbegin(); it != sorted.crend(); ++it) {
        if (*it < y) {
            m_editor->setCaret(*it, m_editor->caretColumn());
            return;
        }
    }
}

int BreakpointMarks::indexOfBookmark(int number) const
{
    for (qsizetype i = 0; i < m_marks.size(); ++i)
        if (m_marks.at(i).bookmark == number && lineOf(m_marks.at(i)) > 0)
            return int(i);
    return -1;
}

int BreakpointMarks::bookmarkLine(int number) const
{
    const int i = indexOfBookmark(number);
    return i < 0 ? 0 : lineOf(m_marks.at(i));
}

void BreakpointMarks::toggleBookmark(int number)
{
    if (!m_editor || number < 0 || number > 9)
        return;
    const int line = m_editor->caretLine();
    const int i = indexOfBookmark(number);
    if (i >= 0) {
        const bool here = lineOf(m_marks.at(i)) == line;
        m_editor->deleteMarkerHandle(m_marks.at(i).handle);
        m_marks.removeAt(i);
        if (here) {
            emit changed();
            return;
        }
    }
    place(line, m_editor->caretColumn(), number);
    emit changed();
}

bool BreakpointMarks::gotoBookmark(int number)
{
    const int i = indexOfBookmark(number);
    if (!m_editor || i < 0)
        return false;
    m_editor->setCaret(lineOf(m_marks.at(i)), m_marks.at(i).column);
    return true;
}

void BreakpointMarks::keyReleased()
{
    if (!m_editor)
        return;
    const int line = m_editor->caretLine();
    if (!hasBreakpointAtLine(line))
        return;
    removeOnLine(line, false);
    place(line, m_editor->caretColumn(), -1);
    emit changed();
}
