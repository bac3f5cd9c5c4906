// Positions in the editor's bytes and the wavy underlines placed by them.
#include "editor/EditorAdapter.h"

#include <QWidget>
#include <Qsci/qsciscintilla.h>

#include <cstdint>

QByteArrayView EditorAdapter::lineBytes(int line, long *start) const
{
    *start = 0;
    if (!m_editor || line < 1 || line > lineCount())
        return {};
    *start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line - 1);
    const long length = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line - 1) - *start;
    if (length <= 0)
        return {};
    const auto *bytes = reinterpret_cast<const char *>(
        std::intptr_t(send(QsciScintillaBase::SCI_GETRANGEPOINTER, *start, length)));
    return QByteArrayView(bytes, length);
}

EditorAdapter::PositionRange EditorAdapter::visibleRange(int line) const
{
    if (!m_editor || line < 1 || line > lineCount())
        return {};
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line - 1);
    const long end = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line - 1);
    const long y = send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, start);
    // The positions nearest to the edges may leave out a character cut by an edge: one more
    // on each side.
    const long left = send(QsciScintillaBase::SCI_POSITIONFROMPOINT, textAreaLeft(), y);
    const long right =
        send(QsciScintillaBase::SCI_POSITIONFROMPOINT, m_editor->viewport()->width(), y);
    const long from = qBound(start, send(QsciScintillaBase::SCI_POSITIONBEFORE, left), end);
    return {from, qBound(from, send(QsciScintillaBase::SCI_POSITIONAFTER, right), end)};
}

int EditorAdapter::textAreaLeft() const
{
    int left = 0;
    for (int m = 0; m < 5; ++m)
        left += int(send(QsciScintillaBase::SCI_GETMARGINWIDTHN, m));
    return left;
}

WaveOverlay *EditorAdapter::ensureWaveOverlay()
{
    if (!m_waveOverlay && m_editor)
        m_waveOverlay = new WaveOverlay(m_editor->viewport(), [this] { return waveLayout(); });
    return m_waveOverlay;
}

void EditorAdapter::setWaves(const QList<PositionRange> &ranges)
{
    if (ranges == m_waves)
        return;
    m_waves = ranges;
    if (WaveOverlay *overlay = ensureWaveOverlay())
        overlay->update();
}

QList<EditorAdapter::WaveRange> EditorAdapter::waves() const
{
    QList<WaveRange> result;
    if (!m_editor)
        return result;
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    for (const PositionRange &w : m_waves) {
        if (w.to > length)
            continue;
        const int line = int(send(QsciScintillaBase::SCI_LINEFROMPOSITION, w.from)) + 1;
        result.append({line, columnOf(w.from),
                       int(send(QsciScintillaBase::SCI_COUNTCHARACTERS, w.from, w.to))});
    }
    return result;
}

void EditorAdapter::setWaveLook(const QColor &pen, const std::array<int, 4> &offsets)
{
    if (WaveOverlay *overlay = ensureWaveOverlay())
        overlay->setLook(pen, offsets);
}

WaveOverlay::Layout EditorAdapter::waveLayout() const
{
    WaveOverlay::Layout layout;
    layout.background = m_paper;
    if (!m_editor || m_waves.isEmpty())
        return layout;
    layout.gutter = textAreaLeft();
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    const long firstLine = send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    const long lastLine = firstLine + send(QsciScintillaBase::SCI_LINESONSCREEN);
    const int viewHeight = m_editor->viewport()->height();
    for (const PositionRange &w : m_waves) {
        // Waves off the screen are passed over before their place is asked for: placing
        // one lays out its line.
        if (w.to <= w.from || w.to > length)
            continue;
        const long line = send(QsciScintillaBase::SCI_LINEFROMPOSITION, w.from);
        if (line < firstLine || line > lastLine)
            continue;
        const int top = int(send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, w.from));
        const int height = int(send(QsciScintillaBase::SCI_TEXTHEIGHT, line));
        if (top + height < 0 || top > viewHeight)
            continue;
        const int x0 = int(send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, w.from));
        const int x1 = int(send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, w.to));
        layout.waves.append({x0, x1, top + height - 3});
    }
    return layout;
}
