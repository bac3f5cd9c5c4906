#include "editor/highlighting/StyledText.h"

#include "editor/EditorAdapter.h"

#include <QByteArray>
#include <Qsci/qsciscintilla.h>

using Sci = QsciScintillaBase;

namespace {

QColor fromBgr(long bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

TextStyle styleOf(const QsciScintilla &sci, int style)
{
    TextStyle look;
    const auto s = static_cast<unsigned long>(style);
    look.fore = fromBgr(sci.SendScintilla(Sci::SCI_STYLEGETFORE, s));
    look.back = fromBgr(sci.SendScintilla(Sci::SCI_STYLEGETBACK, s));
    // QScintilla keeps a Qt font weight as a negative Scintilla weight.
    look.bold = qAbs(sci.SendScintilla(Sci::SCI_STYLEGETWEIGHT, s)) >= 600;
    look.italic = sci.SendScintilla(Sci::SCI_STYLEGETITALIC, s) != 0;
    look.underline = sci.SendScintilla(Sci::SCI_STYLEGETUNDERLINE, s) != 0;
    return look;
}

} // namespace

QString StyledText::plainText() const
{
    QString text;
    for (const StyledRun &run : runs)
        text += run.text;
    return text;
}

StyledText StyledText::of(const EditorAdapter &editor, bool selectionOnly)
{
    StyledText result;
    const QsciScintilla *sci = editor.scintilla();
    if (!sci)
        return result;

    char face[256] = {0};
    sci->SendScintilla(Sci::SCI_STYLEGETFONT, Sci::STYLE_DEFAULT, static_cast<void *>(face));
    result.fontFamily = QString::fromUtf8(face);
    result.pointSize = int(sci->SendScintilla(Sci::SCI_STYLEGETSIZE, Sci::STYLE_DEFAULT));
    result.paper = fromBgr(sci->SendScintilla(Sci::SCI_STYLEGETBACK, Sci::STYLE_DEFAULT));

    long from = 0;
    long to = sci->SendScintilla(Sci::SCI_GETLENGTH);
    if (selectionOnly) {
        from = sci->SendScintilla(Sci::SCI_GETSELECTIONSTART);
        to = sci->SendScintilla(Sci::SCI_GETSELECTIONEND);
    }
    if (to <= from)
        return result;

    // Styles are what the highlighter has set once it has gone over the range.
    sci->SendScintilla(Sci::SCI_COLOURISE, static_cast<unsigned long>(from), to);
    QByteArray cells(int((to - from) * 2 + 2), '\0');
    sci->SendScintilla(Sci::SCI_GETSTYLEDTEXT, from, to, cells.data());

    // Characters of one style make one run; every byte of a UTF-8 sequence has the style of
    // its character.
    const long count = to - from;
    QByteArray bytes;
    int runStyle = -1;
    auto flush = [&] {
        if (bytes.isEmpty())
            return;
        result.runs.append({QString::fromUtf8(bytes), runStyle});
        if (!result.styles.contains(runStyle))
            result.styles.insert(runStyle, styleOf(*sci, runStyle));
        bytes.clear();
    };
    for (long i = 0; i < count; ++i) {
        const char ch = cells.at(int(2 * i));
        const int style = static_cast<unsigned char>(cells.at(int(2 * i + 1)));
        const bool continuation = (static_cast<unsigned char>(ch) & 0xc0) == 0x80;
        if (style != runStyle && !continuation) {
            flush();
            runStyle = style;
        }
        bytes.append(ch);
    }
    flush();
    return result;
}
