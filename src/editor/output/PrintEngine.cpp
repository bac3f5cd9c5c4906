#include "editor/output/PrintEngine.h"

#include "editor/EditorAdapter.h"
#include "editor/output/PrintPage.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <tuple>

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
    m_begun = false;
    m_laidOut = false;
    m_pageCount = 0;
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

std::pair<long, long> PrintEngine::textRange() const
{
    const long length = m_view->SendScintilla(Sci::SCI_GETLENGTH);
    if (!SelectedOnly)
        return {0, length};
    const long start = m_source->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    long end = m_source->SendScintilla(Sci::SCI_GETSELECTIONEND);
    if (end <= start)
        return {0, length};
    // A selection that ends at the start of a line leaves that line out.
    if (end > start + 1
        && m_source->SendScintilla(Sci::SCI_POSITIONFROMLINE,
                                   m_source->SendScintilla(Sci::SCI_LINEFROMPOSITION, end))
            == end)
        --end;
    return {start, end};
}

void PrintEngine::beginLayout(const QPageLayout &page, int resolution)
{
    m_laidOut = false;
    m_pageCount = 0;
    m_starts.clear();
    m_begun = hasEditor();
    if (!m_begun)
        return;
    prepareView();
    m_page = page;
    m_resolution = resolution;
    m_measure = std::make_unique<PrintPage>(page, resolution);
    const QPaintDevice *device = m_measure.get();
    const QRect whole(0, 0, device->width(), device->height());
    const int headerHeight = sectionHeight(Header, m_measure.get());
    const int footerHeight = sectionHeight(Footer, m_measure.get());
    m_area = whole.adjusted(0, headerHeight, 0, -footerHeight);
    m_headerBand = QRect(whole.left(), whole.top(), whole.width(), headerHeight);
    m_footerBand = QRect(whole.left(),
                         whole.bottom() - footerHeight
                             + QFontMetrics(defaultFont(), m_measure.get()).lineSpacing() / 2,
                         whole.width(), footerHeight);
    std::tie(m_start, m_end) = textRange();
    m_next = m_start;
}

bool PrintEngine::layOutMore(int count)
{
    if (m_laidOut || !m_begun)
        return true;
    QPainter painter(m_measure.get());
    for (int i = 0; i < count && m_next < m_end; ++i) {
        m_starts.append(m_next);
        const long next =
            m_view->SendScintilla(Sci::SCI_FORMATRANGE, 0UL, &painter, m_area, m_next, m_end);
        m_next = next > m_next ? next : m_end;
    }
    if (m_next < m_end)
        return false;
    // An empty document still gets its page with header and footer.
    if (m_starts.isEmpty())
        m_starts.append(m_start);
    m_pageCount = int(m_starts.size());
    m_laidOut = true;
    return true;
}

bool PrintEngine::isLaidOutFor(const QPrinter &printer) const
{
    return m_laidOut && m_page == printer.pageLayout() && m_resolution == printer.resolution()
        && std::pair(m_start, m_end) == textRange();
}

bool PrintEngine::layOut(const QPrinter &printer, const Progress &progress)
{
    if (!hasEditor())
        return false;
    if (isLaidOutFor(printer))
        return true;
    beginLayout(printer.pageLayout(), printer.resolution());
    while (!layOutMore(1))
        if (progress && !progress(pagesLaidOut(), 0)) {
            m_begun = false;
            return false;
        }
    return true;
}

double PrintEngine::laidOutShare() const
{
    if (m_laidOut)
        return 1.0;
    if (!m_begun || m_end <= m_start)
        return 0.0;
    return double(m_next - m_start) / double(m_end - m_start);
}

void PrintEngine::drawPage(QPainter &painter, int page)
{
    if (!m_laidOut || page < 1 || page > m_pageCount)
        return;
    drawSection(painter, Header, m_headerBand, page, m_pageCount);
    drawSection(painter, Footer, m_footerBand, page, m_pageCount);
    const long end = qMin(m_end, long(m_view->SendScintilla(Sci::SCI_GETLENGTH)));
    if (m_starts.at(page - 1) < end) {
        painter.save();
        m_view->SendScintilla(Sci::SCI_FORMATRANGE, 1UL, &painter, m_area, m_starts.at(page - 1),
                              end);
        painter.restore();
    }
}

int PrintEngine::paint(QPrinter *printer, QString *error, const QPageRanges &pages,
                       const Progress &progress)
{
    if (error)
        error->clear();
    if (!hasEditor()) {
        if (error)
            *error = QStringLiteral("There is no document to print.");
        return 0;
    }
    if (!layOut(*printer, progress))
        return 0;
    QList<int> chosen;
    for (int page = 1; page <= m_pageCount; ++page)
        if (pages.isEmpty() || pages.contains(page))
            chosen.append(page);
    if (chosen.isEmpty()) {
        if (error)
            *error = QStringLiteral("The pages chosen are not in the document: it has %1.")
                         .arg(m_pageCount == 1 ? QStringLiteral("one page")
                                               : QStringLiteral("%1 pages").arg(m_pageCount));
        return 0;
    }
    if (printer->pageOrder() == QPrinter::LastPageFirst)
        std::reverse(chosen.begin(), chosen.end());
    const int copies = printer->supportsMultipleCopies() ? 1 : qMax(1, printer->copyCount());
    QList<int> sequence;
    for (int copy = 0; copy < copies && printer->collateCopies(); ++copy)
        sequence += chosen;
    for (int i = 0; i < chosen.size() && !printer->collateCopies(); ++i)
        sequence += QList<int>(copies, chosen.at(i));

    QPainter painter;
    for (int i = 0; i < sequence.size(); ++i) {
        if (progress && !progress(i, int(sequence.size()))) {
            if (painter.isActive() && !printer->abort()) {
                painter.end();
                if (printer->outputFormat() == QPrinter::PdfFormat)
                    QFile::remove(printer->outputFileName());
            }
            return 0;
        }
        if (i == 0 && !painter.begin(printer)) {
            if (error)
                *error = QStringLiteral("The printer could not be started.");
            return 0;
        }
        if (i > 0 && !printer->newPage()) {
            painter.end();
            if (error)
                *error = QStringLiteral("The printer could not start a new page.");
            return 0;
        }
        drawPage(painter, sequence.at(i));
    }
    painter.end();
    return int(sequence.size());
}
