#pragma once

#include "editor/highlighting/Highlighter.h"

#include <QList>
#include <QString>
#include <QStringList>

// The colour files the program ships in "colors/": one per built-in language, made from the
// highlighters' own defaults, and the colour presets with their list "toc.col".
namespace ColorFiles {

struct Language {
    QString caption; // the language tab's caption and the file's base name: "PERL"
    Highlighter::Kind kind;
};

// Java, HTML, CSS, PERL, PHP and XML, in the order of the language tabs.
QList<Language> builtInLanguages();

// The names of the presets, in the order of "toc.col".
QStringList presetNames();

// Every attribute name of the program's highlighters (the general one included), each once,
// in the order they first occur: the sections of a preset.
QStringList sharedAttributeNames();

// Writes colorsFolder + "lang/" + caption + ".ini" for every built-in language.
bool writeLanguageFiles(const QString &colorsFolder, QString *error);

// Writes colorsFolder + name + ".ini" for every preset, then colorsFolder + "toc.col".
bool writePresets(const QString &colorsFolder, QString *error);

} // namespace ColorFiles
