#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/TColor.h"

class QsciLexer;

// A named attribute of a highlighter (what the colour files call an element):
// "Comment", "Reserved word", ... with its colours and style bits
// (1 bold, 2 italic, 4 underline, 8 strikeout).
struct HighlighterAttribute {
    QString name;
    TColor foreground;
    TColor background;
    int style = 0;
    QList<int> lexerStyles;   // the lexer styles painted with this attribute
};

// One highlighter of a document window: a QScintilla lexer plus the list of named
// attributes that the colour files address. Load/save use the colour-file layout:
// one section per attribute name, keys "Background", "Foreground", "Style" as decimals.
class Highlighter : public QObject
{
    Q_OBJECT
public:
    enum Kind { Java, HTML, CSS, XML, Perl, PHP, General };

    explicit Highlighter(Kind kind, QObject *parent = nullptr);
    ~Highlighter() override;

    Kind kind() const { return m_kind; }
    QString languageName() const;          // "Java", "HTML", ...
    QsciLexer *lexer() const { return m_lexer; }

    QStringList attributeNames() const;
    int attributeCount() const { return m_attributes.size(); }
    HighlighterAttribute attribute(int index) const { return m_attributes.at(index); }
    int indexOfAttribute(const QString &name) const;   // -1 when absent
    void setAttribute(int index, TColor fg, TColor bg, int style);

    // Colour files. load applies, per attribute with a section holding at least one key,
    // each key present; absent sections/keys leave the attribute alone.
    bool loadFromFile(const QString &iniFileName);
    bool saveToFile(const QString &iniFileName) const;

    // The sample source text of the highlighter.
    QString sampleSource() const;

    // General highlighter settings (user-defined languages).
    void setKeywords(const QStringList &words);
    QStringList keywords() const;

    // Pushes attribute colours and styles into the lexer.
    void applyToLexer();

Q_SIGNALS:
    void changed();

private:
    Kind m_kind;
    QsciLexer *m_lexer = nullptr;
    QList<HighlighterAttribute> m_attributes;
};
