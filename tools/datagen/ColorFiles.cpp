#include "ColorFiles.h"

#include "editor/highlighting/HighlighterDefaults.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace ColorFiles {

namespace {

// What an attribute shows, whatever the language calls it.
enum Role {
    Plain,
    Comment,
    Documentation,
    Keyword,
    Identifier,
    Number,
    String,
    Symbol,
    Error,
    Special,
    Variable,
    RoleCount
};

Role roleOf(const QString &attribute)
{
    static const QHash<QString, Role> roles {
        {QStringLiteral("Space"), Plain},
        {QStringLiteral("Text"), Plain},
        {QStringLiteral("Comment"), Comment},
        {QStringLiteral("Documentation"), Documentation},
        {QStringLiteral("Reserved word"), Keyword},
        {QStringLiteral("Key"), Keyword},
        {QStringLiteral("Element Name"), Keyword},
        {QStringLiteral("Identifier"), Identifier},
        {QStringLiteral("Attribute Name"), Identifier},
        {QStringLiteral("Number"), Number},
        {QStringLiteral("String"), String},
        {QStringLiteral("Value"), String},
        {QStringLiteral("Attribute Value"), String},
        {QStringLiteral("Symbol"), Symbol},
        {QStringLiteral("Operator"), Symbol},
        {QStringLiteral("Invalid symbol"), Error},
        {QStringLiteral("Unknown word"), Error},
        {QStringLiteral("Escape"), Special},
        {QStringLiteral("Entity Reference"), Special},
        {QStringLiteral("CDATA"), Special},
        {QStringLiteral("DOCTYPE"), Special},
        {QStringLiteral("Processing Instruction"), Special},
        {QStringLiteral("Pragma"), Special},
        {QStringLiteral("Preprocessor"), Special},
        {QStringLiteral("Variable"), Variable},
        {QStringLiteral("Namespace Attribute Name"), Variable},
        {QStringLiteral("Namespace Attribute Value"), Variable},
    };
    return roles.value(attribute, Plain);
}

struct Ink {
    const char *foreground; // "#rrggbb"
    int style;
};

struct Preset {
    const char *name;
    const char *paper; // "#rrggbb", or nullptr: the editor's own background
    Ink inks[RoleCount];
};

constexpr int B = Highlighter::Bold;
constexpr int I = Highlighter::Italic;

// clang-format off
const Preset presets[] = {
    // Black on the editor's background, the colours of the classic desktop IDEs.
    {"Classic", nullptr,
     {{"#000000", 0}, {"#000080", I}, {"#008080", I}, {"#000000", B}, {"#000000", 0},
      {"#800080", 0}, {"#0000ff", 0}, {"#000000", 0}, {"#ff0000", 0}, {"#008080", 0},
      {"#800000", 0}}},
    // Light, soft colours on a dark slate ground for the evening.
    {"Night", "#1c2028",
     {{"#d5dae3", 0}, {"#7d8a99", I}, {"#93a8bd", I}, {"#86a9d6", B}, {"#d5dae3", 0},
      {"#c99ad0", 0}, {"#a6cc8a", 0}, {"#e8ebf0", 0}, {"#ff7070", B}, {"#7fc8c8", 0},
      {"#e9c46a", 0}}},
    // Brown ink on cream paper, easy on the eyes in daylight.
    {"Paper", "#fbf6ea",
     {{"#2e2620", 0}, {"#857a68", I}, {"#6f654f", I}, {"#6e2c1c", B}, {"#2e2620", 0},
      {"#8a4a06", 0}, {"#3b662a", 0}, {"#544a40", 0}, {"#b0001e", 0}, {"#245d7a", 0},
      {"#683a78", 0}}},
};
// clang-format on

TColor colorOf(const char *hex)
{
    return hex ? TColor::fromQColor(QColor(QLatin1String(hex))) : TColor::clNone;
}

bool makeFolder(const QString &folder, QString *error)
{
    if (QDir().mkpath(folder))
        return true;
    if (error)
        *error = QStringLiteral("cannot make the folder ") + folder;
    return false;
}

// Puts a finished file in place of the old one.
bool replaceFile(const QString &from, const QString &to, QString *error)
{
    QFile::remove(to);
    if (QFile::rename(from, to))
        return true;
    if (error)
        *error = QStringLiteral("cannot rename ") + from + QStringLiteral(" to ") + to;
    return false;
}

} // namespace

QList<Language> builtInLanguages()
{
    return {
        {QStringLiteral("Java"), Highlighter::Java}, {QStringLiteral("HTML"), Highlighter::HTML},
        {QStringLiteral("CSS"), Highlighter::CSS},   {QStringLiteral("PERL"), Highlighter::Perl},
        {QStringLiteral("PHP"), Highlighter::PHP},   {QStringLiteral("XML"), Highlighter::XML}};
}

QStringList presetNames()
{
    QStringList names;
    for (const Preset &p : presets)
        names.append(QLatin1String(p.name));
    return names;
}

QStringList sharedAttributeNames()
{
    QStringList names;
    const Highlighter::Kind kinds[] = {Highlighter::Java,   Highlighter::HTML, Highlighter::CSS,
                                       Highlighter::Perl,   Highlighter::PHP,  Highlighter::XML,
                                       Highlighter::General};
    for (Highlighter::Kind kind : kinds) {
        for (const HighlighterAttribute &a : HighlighterDefaults::attributes(kind))
            if (!names.contains(a.name))
                names.append(a.name);
    }
    return names;
}

bool writeLanguageFiles(const QString &colorsFolder, QString *error)
{
    const QString folder = colorsFolder + QStringLiteral("lang/");
    if (!makeFolder(folder, error))
        return false;
    for (const Language &language : builtInLanguages()) {
        const QString file = folder + language.caption + QStringLiteral(".ini");
        const QString partial = file + QStringLiteral(".new");
        QFile::remove(partial);
        const Highlighter highlighter(language.kind);
        if (!highlighter.saveToFile(partial)) {
            if (error)
                *error = QStringLiteral("cannot write ") + partial;
            QFile::remove(partial);
            return false;
        }
        if (!replaceFile(partial, file, error))
            return false;
    }
    return true;
}

bool writePresets(const QString &colorsFolder, QString *error)
{
    if (!makeFolder(colorsFolder, error))
        return false;
    const QStringList attributes = sharedAttributeNames();
    for (const Preset &preset : presets) {
        const QString file = colorsFolder + QLatin1String(preset.name) + QStringLiteral(".ini");
        QFile::remove(file);
        IniFile ini(file);
        ini.beginUpdate();
        for (const QString &attribute : attributes) {
            const Ink &ink = preset.inks[roleOf(attribute)];
            ini.writeInteger(attribute, QStringLiteral("Background"),
                             colorOf(preset.paper).value());
            ini.writeInteger(attribute, QStringLiteral("Foreground"),
                             colorOf(ink.foreground).value());
            ini.writeInteger(attribute, QStringLiteral("Style"), ink.style);
        }
        if (!ini.commit()) {
            if (error)
                *error =
                    QStringLiteral("cannot write ") + file + QStringLiteral(": ") + ini.lastError();
            return false;
        }
    }
    TextFile::Format crlf;
    crlf.lineEnding = TextFile::LineEnding::CRLF;
    const QString list = colorsFolder + QStringLiteral("toc.col");
    QString reason;
    if (TextFile::save(list, presetNames().join(u'\n') + u'\n', crlf, &reason))
        return true;
    if (error)
        *error = QStringLiteral("cannot write ") + list + QStringLiteral(": ") + reason;
    return false;
}

} // namespace ColorFiles
