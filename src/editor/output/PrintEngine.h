#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPageLayout>
#include <QPageRanges>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class EditorAdapter;
class PrintPage;
class QPainter;
class QPrinter;
class QsciScintilla;

// The print engine: lays a document's text out on printer pages and draws a header above and
// a footer below it within the printer's margins. It prints from a hidden editor that shares
// the document of the editor it was given, so the visible editor never changes. The macros
// "$PAGENUM$" and "$PAGECOUNT$" in header and footer texts become the page number and the
// page count (the pages are counted before the first one is drawn).
//
// The pages are laid out for a page layout and resolution (a printer's) and kept until the
// editor is given again or another page is asked for; set the switches, header and footer
// before laying out.
class PrintEngine : public QObject
{
    Q_OBJECT
public:
    // Header and footer items: a text on a line (1-based) of the header or footer, aligned
    // left, centred or right.
    struct Item {
        QString text;
        int line = 1;
        Qt::Alignment alignment = Qt::AlignLeft;
        QFont font;
    };
    class Section
    {
    public:
        void Clear() { m_items.clear(); }
        void Add(const QString &text, const QFont &font, Qt::Alignment alignment, int line)
        {
            m_items.append({text, line, alignment, font});
        }
        const QList<Item> &items() const { return m_items; }
        int lineCount() const;

    private:
        QList<Item> m_items;
    };

    // Told how far a layout or a print has come: the pages done and the page count, which is
    // 0 while the pages are still being counted. Returning false stops the work.
    using Progress = std::function<bool(int done, int count)>;

    explicit PrintEngine(QObject *parent = nullptr);
    ~PrintEngine() override;

    QString DocTitle;      // the document's name
    QString Title;         // the print job's name
    bool Highlight = true; // colours and font styles of the highlighter; else black text
    bool LineNumbers = false;
    // Only the lines of the editor's selection are printed (all of the text without one).
    bool SelectedOnly = false;
    Section Header;
    Section Footer;

    // The font header and footer items use unless given their own.
    static QFont defaultFont();

    // Takes the editor's text, font, settings and highlighter (by sharing its document and
    // copying its styles when printing). nullptr: nothing to print.
    void setEditor(EditorAdapter *editor);
    bool hasEditor() const;

    // Starts laying out pages of the given layout at resolution dots per inch.
    void beginLayout(const QPageLayout &page, int resolution);
    // Lays out up to count more pages; true once every page is laid out.
    bool layOutMore(int count);
    // Lays out every page for printer's page and resolution, unless they are laid out for it.
    // False when there is nothing to print or progress stopped it.
    bool layOut(const QPrinter &printer, const Progress &progress = {});
    bool isLaidOut() const { return m_laidOut; }
    int pagesLaidOut() const { return int(m_starts.size()); }
    // How much of the text the layout has passed, from 0 to 1.
    double laidOutShare() const;
    // The pages of the finished layout (0 before it is finished).
    int pageCount() const { return m_pageCount; }

    // Draws page (1-based) of the finished layout with painter, whose device has the
    // layout's metrics (the printer, or a PrintPage of its layout); the origin is the top
    // left corner of the printable area.
    void drawPage(QPainter &painter, int page);

    // Prints on printer (already set up) the pages in pages, all when it is empty, laid out
    // for it first when needed; in the printer's page order, and as many copies as it asks
    // for where it makes none itself. Returns the pages printed, or 0 when none could be
    // (no editor, none of the pages chosen in the document, or the printer cannot be painted
    // on); error then says why. When progress stops the print, nothing is printed (a PDF file
    // begun is removed), 0 is returned and error is empty.
    int paint(QPrinter *printer, QString *error = nullptr, const QPageRanges &pages = {},
              const Progress &progress = {});

    // An item's text with the page macros replaced.
    static QString expand(const QString &text, int page, int pageCount);

private:
    void prepareView();
    // The characters to print: the whole text or the selected lines.
    std::pair<long, long> textRange() const;
    bool isLaidOutFor(const QPrinter &printer) const;
    void drawSection(QPainter &painter, const Section &section, const QRect &band, int page,
                     int pageCount) const;
    int sectionHeight(const Section &section, QPaintDevice *device) const;

    QPointer<QsciScintilla> m_source;
    QsciScintilla *m_view = nullptr; // hidden, shares m_source's document

    // The layout: where each page starts, for which page and text.
    std::unique_ptr<PrintPage> m_measure; // the device the pages are laid out on
    QPageLayout m_page;
    int m_resolution = 0;
    long m_start = 0;
    long m_end = 0;
    long m_next = 0; // where the next page starts
    QVector<long> m_starts;
    QRect m_area; // the text's room on a page
    QRect m_headerBand;
    QRect m_footerBand;
    bool m_begun = false;
    bool m_laidOut = false;
    int m_pageCount = 0;
};
