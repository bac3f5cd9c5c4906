#pragma once

#include <QObject>
#include <QStringList>

// The main window's code-template list "CompletionList": a keyword line followed by the
// keyword's code lines, each prefixed with "=". Made from "completion/auto.cmp" at start-up
// and after the Options dialog's OK; documents made afterwards take the new list.
class CompletionTemplates : public QObject
{
    Q_OBJECT
public:
    explicit CompletionTemplates(QObject *parent = nullptr);

    QStringList CompletionList() const { return m_list; }

    // The list made from the lines of a template file: a header line (first character "%",
    // as the Options page reads it) becomes a keyword line (the line without its "%"), a line
    // holding "#" is skipped, any other line becomes "=" + the line, so a code line may hold
    // "%" (a Java format string) and stays code.
    static QStringList build(const QStringList &templateLines);

    // Makes a new list from "completion/auto.cmp" beside the executable (empty when the file
    // is missing).
    void LagNyCompletionListe();

signals:
    // A new list was made.
    void changed();

private:
    QStringList m_list;
};
