#pragma once

#include "editor/highlighting/StyledText.h"

#include <QString>

// The exporters of a document's styled text: a page or a document in another format, with
// the highlighter's colours, bold, italic and underline.
class Exporter
{
public:
    virtual ~Exporter() = default;
    // The save dialog's filter for the format, e.g. "HTML Documents (*.htm;*.html)".
    virtual QString defaultFilter() const = 0;
    // The format's name, e.g. "HTML".
    virtual QString formatName() const = 0;
    // The extension of a file in the format, with the dot.
    virtual QString extension() const = 0;
    // The whole file: title is the document's title inside the file.
    virtual QString exportText(const StyledText &text, const QString &title) const = 0;
};

// An HTML page: UTF-8, the title in <title>, the text in <pre> with a span per style.
class ExporterHTML : public Exporter
{
public:
    QString defaultFilter() const override;
    QString formatName() const override;
    QString extension() const override;
    QString exportText(const StyledText &text, const QString &title) const override;

    // text with & < > " as entities.
    static QString escape(const QString &text);
};

// A Rich Text Format document: font and colour tables, the title in \info, ASCII only
// (other characters as \uN?).
class ExporterRTF : public Exporter
{
public:
    QString defaultFilter() const override;
    QString formatName() const override;
    QString extension() const override;
    QString exportText(const StyledText &text, const QString &title) const override;

    // text with \ { } escaped, tabs and line breaks as RTF words, other characters than
    // printable ASCII as \uN? (N the signed UTF-16 unit).
    static QString escape(const QString &text);
};
