#pragma once

#include <QObject>

class Exporter;
class TEditForm;
class TMainForm;

// File, "Export to", "RTF" and "HTML": the active document (or its selection) with its
// highlighting, written to a file the save dialog names.
class ExportCommands : public QObject
{
    Q_OBJECT
public:
    ExportCommands(TMainForm &main, QObject *parent = nullptr);

    void RTFfiltekst1Click();
    void HTML3Click();

    // The exports of one document window.
    void ExporterTilRTF(TEditForm &document);
    void ExporterTilHTML(TEditForm &document);

    // The name the save dialog proposes: the caption without its extension + extension.
    static QString proposedName(const QString &caption, const QString &extension);

private:
    void exportWith(TEditForm &document, const Exporter &exporter);

    TMainForm &m_main;
};
