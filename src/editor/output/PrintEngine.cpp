#include "editor/output/PrintEngine.h"

#include "editor/EditorAdapter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <Qsci/qsciscintilla.h>

using Sci = QsciScintillaBase;

int PrintEngine::Section::lineCount() const
{
    int lines = 0;
    for (const Item &item : m_items)
        lines = qMax(lines, item.line);
    return lines;
}

PrintEngine::PrintEngine(QObject *parent) : QObject(parent) {}

PrintEngine::~PrintEngine()
{
    delete m_view;
}

QFont PrintEngine::defaultFont()
{
    QFont font(QStringLiteral("Arial"), 10);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void PrintEngine::setEditor(EditorAdapter *editor)
{
    m_source = editor ? editor->scintilla() : nullptr;
    if (!m_view) {
        m_view = new QsciScintilla;
        m_view->setObjectName(QStringLiteral("PrintView"));
        m_view->setAttribute(Qt::WA_DontShowOnScreen);
        m_view->setUtf8(true);
    }
    // Sharing the document: the text and its styling are the visible editor's; how the
    // styles look is set on this view alone when printing.
    m_view->setDocument(m_source ? m_source->document() : QsciDocument());
}

bool PrintEngine::hasEditor() const
{
    return m_source && m_view;
}

QString PrintEngine::expand(const QString &text, int page, int pageCount)
{
    QString result = text;
    result.replace(QLatin1String("$PAGENUM$"), QString::number(page));
    result.replace(QLatin1String("$PAGECOUNT$"), QString::number(pageCount));
    return result;
}

void PrintEngine::prepareView()
{
    const QsciScintilla *src = m_source;
    QsciScintilla *view = m_view;
    view->SendScintilla(Sci::SCI_SETTABWIDTH, src->SendScintilla(Sci::SCI_GETTABWIDTH));
    view->SendScintilla(Sci::SCI_SETPRINTWRAPMODE, Sci::SC_WRAP_WORD);
    view->SendScintilla(Sci::SCI_SETPRINTMAGNIFICATION, 0UL);
    // Indicators (spelling, the error line) and marker colours are the screen's, not the
    // page's.
    for (unsigned long id = 0; id <= Sci::INDIC_MAX; ++id)
        view->SendScintilla(Sci::SCI_INDICSETSTYLE, id, long(Sci::INDIC_HIDDEN));

    char face[256];
    if (Highlight) {
        for (unsigned long s = 0; s <= Sci::STYLE_MAX; ++s) {
            face[0] = '\0';
            src->SendScintilla(Sci::SCI_STYLEGETFONT, s, static_cast<void *>(face));
            if (face[0])
                view->SendScintilla(Sci::SCI_STYLESETFONT, s, static_cast<const char *>(face));
            for (const auto &[get, set] :
                 {std::pair {Sci::SCI_STYLEGETFORE, Sci::SCI_STYLESETFORE},
                  std::pair {Sci::SCI_STYLEGETBACK, Sci::SCI_STYLESETBACK},
                  std::pair {Sci::SCI_STYLEGETSIZEFRACTIONAL, Sci::SCI_STYLESETSIZEFRACTIONAL},
                  std::pair {Sci::SCI_STYLEGETWEIGHT, Sci::SCI_STYLESETWEIGHT},
                  std::pair {Sci::SCI_STYLEGETITALIC, Sci::SCI_STYLESETITALIC},
                  std::pair {Sci::SCI_STYLEGETUNDERLINE, Sci::SCI_STYLESETUNDERLINE},
                  std::pair {Sci::SCI_STYLEGETEOLFILLED, Sci::SCI_STYLESETEOLFILLED},
                  std::pair {Sci::SCI_STYLEGETVISIBLE, Sci::SCI_STYLESETVISIBLE}})
                view->SendScintilla(set, s, src->SendScintilla(get, s));
        }
        view->SendScintilla(Sci::SCI_SETPRINTCOLOURMODE, long(Sci::SC_PRINT_COLOURONWHITE));
    } else {
        // One plain style in the editor's font, black on white.
        face[0] = '\0';
        src->SendScintilla(Sci::SCI_STYLEGETFONT, Sci::STYLE_DEFAULT, static_cast<void *>(face));
        view->SendScintilla(Sci::SCI_STYLERESETDEFAULT);
        if (face[0])
            view->SendScintilla(Sci::SCI_STYLESETFONT, Sci::STYLE_DEFAULT,
                                static_cast<const char *>(face));
        view->SendScintilla(
            Sci::SCI_STYLESETSIZEFRACTIONAL, Sci::STYLE_DEFAULT,
            src->SendScintilla(Sci::SCI_STYLEGETSIZEFRACTIONAL, Sci::STYLE_DEFAULT));
        view->SendScintilla(Sci::SCI_STYLESETFORE, Sci::STYLE_DEFAULT, 0L);
        view->SendScintilla(Sci::SCI_STYLESETBACK, Sci::STYLE_DEFAULT, 0xffffffL);
        view->SendScintilla(Sci::SCI_STYLECLEARALL);
        view->SendScintilla(Sci::SCI_SETPRINTCOLOURMODE, long(Sci::SC_PRINT_BLACKONWHITE));
    }

    // Margin 0 holds the line numbers when they are printed; no other margin is printed.
    view->SendScintilla(Sci::SCI_SETMARGINTYPEN, 0UL, long(Sci::SC_MARGIN_NUMBER));
    const long numberWidth = LineNumbers
        ? view->SendScintilla(Sci::SCI_TEXTWIDTH, Sci::STYLE_LINENUMBER,
                              static_cast<const char *>("99999"))
        : 0;
    view->SendScintilla(Sci::SCI_SETMARGINWIDTHN, 0UL, numberWidth);
    for (unsigned long m = 1; m < 5; ++m)
        view->SendScintilla(Sci::SCI_SETMARGINWIDTHN, m, 0L);
}

int PrintEngine::sectionHeight(const Section &section, QPaintDevice *device) const
{
    int height = 0;
    for (int line = 1; line <= section.lineCount(); ++line) {
        int tallest = 0;
        for (const Item &item : section.items())
            if (item.line == line)
                tallest = qMax(tallest, QFontMetrics(item.font, device).lineSpacing());
        height += tallest ? tallest : QFontMetrics(defaultFont(), device).lineSpacing();
    }
    // Half a line between the band and the text.
    if (height > 0)
        height += QFontMetrics(defaultFont(), device).lineSpacing() / 2;
    return height;
}

void PrintEngine::drawSection(QPainter &painter, const Section &section, const QRect &band,
                              int page, int pageCount) const
{
    int y = band.top();
    for (int line = 1; line <= section.lineCount(); ++line) {
        int tallest = QFontMetrics(defaultFont(), painter.device()).lineSpacing();
        for (const Item &item : section.items())
            if (item.line == line)
                tallest = qMax(tallest, QFontMetrics(item.font, painter.device()).lineSpacing());
        for (const Item &item : section.items()) {
            if (item.line != line)
                continue;
            painter.setFont(QFont(item.font, painter.device()));
            painter.setPen(Qt::black);
            painter.drawText(QRect(band.left(), y, band.width(), tallest),
                             int(item.alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
                             expand(item.text, page, pageCount));
        }
        y += tallest;
    }
}

QVector<long> PrintEngine::layOut(QPainter &painter, const QRect &area) const
{
    QVector<long> starts;
    const long end = m_view->SendScintilla(Sci::SCI_GETLENGTH);
    long pos = 0;
    while (pos < end) {
        starts.append(pos);
        const long next =
            m_view->SendScintilla(Sci::SCI_FORMATRANGE, 0UL, &painter, area, pos, end);
        if (next <= pos)
            break;
        pos = next;
    }
    // An empty document still gets its page with header and footer.
    if (starts.isEmpty())
        starts.append(0);
    return starts;
}

int PrintEngine::paint(QPrinter *printer, QString *error)
{
    m_pageCount = 0;
    if (!hasEditor()) {
        if (error)
            *error = QStringLiteral("There is no document to print.");
        return 0;
    }
    QPainter painter;
    if (!painter.begin(printer)) {
        if (error)
            *error = QStringLiteral("The printer could not be started.");
        return 0;
    }
    prepareView();

    const QRect page(0, 0, printer->width(), printer->height());
    const int headerHeight = sectionHeight(Header, printer);
    const int footerHeight = sectionHeight(Footer, printer);
    const QRect area = page.adjusted(0, headerHeight, 0, -footerHeight);
    const QRect headerBand(page.left(), page.top(), page.width(), headerHeight);
    const QRect footerBand(page.left(),
                           page.bottom() - footerHeight
                               + QFontMetrics(defaultFont(), printer).lineSpacing() / 2,
                           page.width(), footerHeight);

    // First the pages are counted, then drawn.
    const QVector<long> starts = layOut(painter, area);
    m_pageCount = int(starts.size());
    const long end = m_view->SendScintilla(Sci::SCI_GETLENGTH);
    for (int i = 0; i < starts.size(); ++i) {
        if (i > 0 && !printer->newPage()) {
            painter.end();
            if (error)
                *error = QStringLiteral("The printer could not start a new page.");
            return 0;
        }
        drawSection(painter, Header, headerBand, i + 1, m_pageCount);
        drawSection(painter, Footer, footerBand, i + 1, m_pageCount);
        if (end > 0) {
            painter.save();
            m_view->SendScintilla(Sci::SCI_FORMATRANGE, 1UL, &painter, area, starts.at(i), end);
            painter.restore();
        }
    }
    painter.end();
    return m_pageCount;
}
