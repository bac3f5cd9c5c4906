#include "editor/highlighting/Highlighter.h"

#include "editor/highlighting/GeneralLexer.h"
#include "editor/highlighting/HighlighterDefaults.h"
#include "editor/highlighting/PhpScriptLexer.h"
#include "platform/IniFile.h"

#include <QFileInfo>
#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjava.h>
#include <Qsci/qscilexerperl.h>
#include <Qsci/qscilexerxml.h>

namespace {

const QString KeyBackground = QStringLiteral("Background");
const QString KeyForeground = QStringLiteral("Foreground");
const QString KeyStyle = QStringLiteral("Style");

QsciLexer *createLexer(Highlighter::Kind kind, QObject *parent)
{
    switch (kind) {
    case Highlighter::Java: return new QsciLexerJava(parent);
    case Highlighter::HTML: return new QsciLexerHTML(parent);
    case Highlighter::CSS: return new QsciLexerCSS(parent);
    case Highlighter::XML: return new QsciLexerXML(parent);
    case Highlighter::Perl: return new QsciLexerPerl(parent);
    case Highlighter::PHP: return new PhpScriptLexer(parent);
    case Highlighter::General: break;
    }
    return new GeneralLexer(parent);
}

} // namespace

Highlighter::Highlighter(Kind kind, QObject *parent)
    : QObject(parent),
      m_kind(kind),
      m_lexer(createLexer(kind, this)),
      m_attributes(HighlighterDefaults::attributes(kind))
{
    m_font = QFont(QStringLiteral("Courier New"), 10);
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setFixedPitch(true);
    applyToLexer();
}

Highlighter::~Highlighter() = default;

QString Highlighter::languageName() const
{
    switch (m_kind) {
    case Java: return QStringLiteral("Java");
    case HTML: return QStringLiteral("HTML");
    case CSS: return QStringLiteral("CSS");
    case XML: return QStringLiteral("XML");
    case Perl: return QStringLiteral("Perl");
    case PHP: return QStringLiteral("PHP");
    case General: break;
    }
    return QStringLiteral("General");
}

QStringList Highlighter::attributeNames() const
{
    QStringList names;
    for (const HighlighterAttribute &a : m_attributes)
        names.append(a.name);
    return names;
}

int Highlighter::indexOfAttribute(const QString &name) const
{
    for (int i = 0; i < m_attributes.size(); ++i) {
        if (m_attributes.at(i).name == name)
            return i;
    }
    return -1;
}

int Highlighter::attributeOfStyle(int lexerStyle) const
{
    for (int i = 0; i < m_attributes.size(); ++i) {
        if (m_attributes.at(i).lexerStyles.contains(lexerStyle))
            return i;
    }
    return -1;
}

void Highlighter::setAttribute(int index, TColor fg, TColor bg, int style)
{
    if (index < 0 || index >= m_attributes.size())
        return;
    HighlighterAttribute &a = m_attributes[index];
    a.foreground = fg;
    a.background = bg;
    a.style = style;
    applyToLexer();
    emit changed();
}

bool Highlighter::loadFromFile(const QString &iniFileName)
{
    if (!QFileInfo(iniFileName).isFile())
        return false;
    const IniFile ini(iniFileName);
    for (HighlighterAttribute &a : m_attributes) {
        if (ini.readSection(a.name).isEmpty())
            continue;
        if (ini.valueExists(a.name, KeyBackground))
            a.background = TColor(ini.readInteger(a.name, KeyBackground, a.background.value()));
        if (ini.valueExists(a.name, KeyForeground))
            a.foreground = TColor(ini.readInteger(a.name, KeyForeground, a.foreground.value()));
        if (ini.valueExists(a.name, KeyStyle))
            a.style = ini.readInteger(a.name, KeyStyle, a.style) & 0x0F;
    }
    applyToLexer();
    emit changed();
    return true;
}

bool Highlighter::saveToFile(const QString &iniFileName, QString *error) const
{
    IniFile ini(iniFileName);
    ini.beginUpdate();
    for (const HighlighterAttribute &a : m_attributes) {
        ini.writeInteger(a.name, KeyBackground, a.background.value());
        ini.writeInteger(a.name, KeyForeground, a.foreground.value());
        ini.writeInteger(a.name, KeyStyle, a.style);
    }
    if (ini.commit())
        return true;
    if (error)
        *error = ini.lastError();
    return false;
}

QString Highlighter::sampleSource() const
{
    return HighlighterDefaults::sampleSource(m_kind);
}

GeneralLexer *Highlighter::generalLexer() const
{
    return m_kind == General ? static_cast<GeneralLexer *>(m_lexer) : nullptr;
}

void Highlighter::setKeywords(const QStringList &words)
{
    if (GeneralLexer *g = generalLexer())
        g->setKeywords(words);
}

QStringList Highlighter::keywords() const
{
    if (GeneralLexer *g = generalLexer())
        return g->keywords();
    return QStringList();
}

void Highlighter::setBaseFont(const QFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    applyToLexer();
}

void Highlighter::setDefaultPaper(const QColor &paper)
{
    if (paper == m_paper)
        return;
    m_paper = paper;
    applyToLexer();
}

QColor Highlighter::paintColor(TColor c, const QColor &fallback)
{
    if (c == TColor::clNone || c == TColor::clDefault)
        return fallback;
    return c.toQColor();
}

void Highlighter::applyToLexer()
{
    // Every style on the base font and paper first, so styles without an attribute
    // keep the lexer's colours but match the editor; then each attribute over its styles.
    m_lexer->setDefaultFont(m_font);
    m_lexer->setFont(m_font, -1);
    m_lexer->setDefaultPaper(m_paper);
    m_lexer->setPaper(m_paper, -1);
    m_lexer->setDefaultColor(Qt::black);
    for (const HighlighterAttribute &a : m_attributes) {
        QFont f = m_font;
        f.setBold(a.style & Bold);
        f.setItalic(a.style & Italic);
        f.setUnderline(a.style & Underline);
        f.setStrikeOut(a.style & StrikeOut);
        const QColor fg = paintColor(a.foreground, Qt::black);
        const QColor bg = paintColor(a.background, m_paper);
        for (int s : a.lexerStyles) {
            m_lexer->setFont(f, s);
            m_lexer->setColor(fg, s);
            m_lexer->setPaper(bg, s);
        }
    }
}
