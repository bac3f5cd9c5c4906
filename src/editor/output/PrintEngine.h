#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class EditorAdapter;
class QPainter;
class QPrinter;
class QsciScintilla;

// The print engine: lays a document's text out on printer pages and draws a header above and
// a footer below it within the printer's margins. It prints from a hidden editor that shares
// the document of the editor it was given, so the visible editor never changes. The macros
// "$PAGENUM$" and "$PAGECOUNT$" in header and footer texts become the page number and the
// page count (the pages are counted before the first one is drawn).
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

    explicit PrintEngine(QObject *parent = nullptr);
    ~PrintEngine() override;

    QString DocTitle;      // the document's name
    QString Title;         // the print job's name
    bool Highlight = true; // colours and font styles of the highlighter; else black text
    bool LineNumbers = false;
    Section Header;
    Section Footer;

    // The font header and footer items use unless given their own.
    static QFont defaultFont();

    // Takes the editor's text, font, settings and highlighter (by sharing its document and
    // copying its styles when printing). nullptr: nothing to print.
    void setEditor(EditorAdapter *editor);
    bool hasEditor() const;

    // Lays out and draws every page on printer (already set up). Returns the page count, or
    // 0 when nothing could be drawn (no editor, or the printer cannot be painted on); error
    // then says why.
    int paint(QPrinter *printer, QString *error = nullptr);
    // The pages of the last layout.
    int pageCount() const { return m_pageCount; }

    // An item's text with the page macros replaced.
    static QString expand(const QString &text, int page, int pageCount);

private:
    void prepareView();
    QVector<long> layOut(QPainter &painter, const QRect &area) const;
    void drawSection(QPainter &painter, const Section &section, const QRect &band, int page,
                     int pageCount) const;
    int sectionHeight(const Section &section, QPaintDevice *device) const;

    QPointer<QsciScintilla> m_source;
    QsciScintilla *m_view = nullptr; // hidden, shares m_source's document
    int m_pageCount = 0;
};
