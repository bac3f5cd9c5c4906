#pragma once

#include <QObject>

class Exporter;
class FeatureHost;
class HostDocument;

// File, "Export to", "RTF" and "HTML": the active document (or its selection) with its
// highlighting, written to a file the save dialog names.
class ExportCommands : public QObject
{
    Q_OBJECT
public:
    ExportCommands(FeatureHost &host, QObject *parent = nullptr);

    void RTFfiltekst1Click();
    void HTML3Click();

    // The exports of one document window.
    void ExporterTilRTF(HostDocument &document);
    void ExporterTilHTML(HostDocument &document);

    // The name the save dialog proposes: the caption without its extension + extension.
    static QString proposedName(const QString &caption, const QString &extension);

private:
    void exportWith(HostDocument &document, const Exporter &exporter);

    FeatureHost &m_host;
};
