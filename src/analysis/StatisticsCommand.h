#pragma once

#include <QObject>

class FeatureHost;
class QDialog;

// View, "Statistics" ("Statistics1"): a statistics dialog over the active document, chosen by
// the extension of its caption, counted when it opens, owned by the main window and freed when
// closed.
class StatisticsCommand : public QObject
{
    Q_OBJECT
public:
    enum class Dialog { Java, Html, General };

    // Registers the View menu's item.
    explicit StatisticsCommand(FeatureHost &host, QObject *parent = nullptr);

    // The dialog for a document caption: ".java" in the lower-cased extension the Java one,
    // else ".htm" the HTML one, else the general one.
    static Dialog dialogFor(const QString &caption);

    // Opens the dialog of the active document; nothing (nullptr) when no document is open.
    QDialog *Statistics1Click();

private:
    FeatureHost &m_host;
};
