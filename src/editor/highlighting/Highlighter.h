#pragma once

#include "platform/TColor.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QsciLexer;
class GeneralLexer;

// A named attribute of a highlighter (what the colour files call an element):
// "Comment", "Reserved word", ... with its colours and style bits
// (1 bold, 2 italic, 4 underline, 8 strikeout).
struct HighlighterAttribute {
    QString name;
    TColor foreground;
    TColor background;
    int style = 0;
    QList<int> lexerStyles; // the lexer styles painted with this attribute
};

// One highlighter of a document window: a QScintilla lexer plus the list of named
// attributes that the colour files address. Load/save use the colour-file layout:
// one section per attribute name, keys "Background", "Foreground", "Style" as decimals.
class Highlighter : public QObject
{
    Q_OBJECT
public:
    enum Kind { Java, HTML, CSS, XML, Perl, PHP, General };
    enum StyleBits { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

    explicit Highlighter(Kind kind, QObject *parent = nullptr);
    ~Highlighter() override;

    Kind kind() const { return m_kind; }
    QString languageName() const; // "Java", "HTML", ...
    QsciLexer *lexer() const { return m_lexer; }

    QStringList attributeNames() const;
    int attributeCount() const { return m_attributes.size(); }
    HighlighterAttribute attribute(int index) const { return m_attributes.at(index); }
    int indexOfAttribute(const QString &name) const; // -1 when absent
    int attributeOfStyle(int lexerStyle) const;      // -1 when no attribute paints it
    void setAttribute(int index, TColor fg, TColor bg, int style);

    // Colour files. load applies, per attribute with a section holding at least one key,
    // each key present; absent sections/keys leave the attribute alone. load is false
    // when the file does not exist, save when it could not be written (error: the system's
    // reason). Saving replaces the file once, whole.
    bool loadFromFile(const QString &iniFileName);
    bool saveToFile(const QString &iniFileName, QString *error = nullptr) const;

    // The sample source text of the highlighter (lines separated by LF).
    QString sampleSource() const;

    // General highlighter settings (user-defined languages); ignored by the other kinds.
    void setKeywords(const QStringList &words);
    QStringList keywords() const;
    GeneralLexer *generalLexer() const; // nullptr unless kind() is General

    // Editor-wide appearance the attributes are drawn on: the font of every style
    // (attributes add bold/italic/underline) and the paper behind attributes whose
    // background is clNone.
    void setBaseFont(const QFont &font);
    void setDefaultPaper(const QColor &paper);

    // Pushes attribute colours and styles into the lexer.
    void applyToLexer();

    // The colour a TColor paints with; clNone and clDefault give fallback.
    static QColor paintColor(TColor c, const QColor &fallback);

signals:
    void changed();

private:
    Kind m_kind;
    QsciLexer *m_lexer = nullptr;
    QList<HighlighterAttribute> m_attributes;
    QFont m_font;
    QColor m_paper = Qt::white;
};
