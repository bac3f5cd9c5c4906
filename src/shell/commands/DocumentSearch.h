#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class EditorAdapter;
class QWidget;
class SearchDialog;

// Find and replace in one document window, through its own find dialog (FindDialog1) and
// replace dialog (ReplaceDialog1), made on first use. Searches run in the editor from the
// caret to the end (or, upwards, to the start) without wrapping, never over the match that is
// selected. A search that finds nothing beeps and says so; the main window's "Find Next" item
// is enabled after a search that found its text and disabled otherwise.
class DocumentSearch : public QObject
{
    Q_OBJECT
public:
    // findNextEnabled sets the main window's "Find Next" item.
    DocumentSearch(EditorAdapter *editor, QWidget *window,
                   std::function<void(bool)> findNextEnabled, QObject *parent = nullptr);

    SearchDialog *findDialog();
    SearchDialog *replaceDialog();

    // Shows the find dialog.
    void Soek();
    // Shows the replace dialog.
    void showReplaceDialog();
    // Searches for the find dialog's text with its options.
    void Finn();
    void FinnNeste();
    // Searches for the replace dialog's text; true when a match was found and selected.
    bool FinnErstatt();
    // "Replace All": every match from the selection on is replaced, each search going on after
    // the previous replacement, up to the end of the text; one undo step. Otherwise the
    // selection, when there is one, is replaced by the replace text.
    void Erstatt();
    // "Replace again": the next match is searched and, when found, replaced.
    void replaceAgain();

private:
    bool search(SearchDialog *dialog, bool quietWhenNotFound);
    void showDialog(SearchDialog *dialog);

    EditorAdapter *m_editor;
    QWidget *m_window;
    std::function<void(bool)> m_findNextEnabled;
    QPointer<SearchDialog> m_find;
    QPointer<SearchDialog> m_replace;
};
