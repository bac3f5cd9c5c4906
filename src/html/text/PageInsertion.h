#pragma once

#include <QString>

class EditorAdapter;

// Services through which the HTML commands and wizards write into a particular place of
// the page or around the selection. Each takes the active document's editor (nullptr when
// no document is open: the service does nothing) and makes one undo step.
namespace PageInsertion {

// Finds tag (without regard to case) from the first line, starting at the caret's column
// on that line, rewrites it as given and puts a line break after it; text goes at the
// start of the new line, ahead of whatever followed the tag. The caret then goes to
// column 1 of its former line number plus lineOffset. When the tag is missing nothing is
// inserted and the caret is left on the first line at its column.
void SoekOgLeggInn(EditorAdapter *editor, const QString &tag, const QString &text, int lineOffset);

// Finds tag as above, rewrites it as given, adds lineBreaks line breaks right after it
// (none when 0 or less) and then text. The caret goes to column 1 of its former line
// number plus lineBreaks.
void LeggInnTekstITag(EditorAdapter *editor, const QString &tag, const QString &text,
                      int lineBreaks);

// <div align="word">selected</div>
QString alignmentBlock(const QString &word, const QString &selected);

// Replaces the selection with <div align="word">selection</div>.
void AlignmentTekst(EditorAdapter *editor, const QString &word);

// Replaces the selection with startTag + selection + endTag.
void StartEndTagTekst(EditorAdapter *editor, const QString &startTag, const QString &endTag);

// The whole text of the document; empty when no document is open.
QString GetActiveEditorText(const EditorAdapter *editor);

// Where a forward search without regard to case finds needle, starting at (line, column),
// both 1-based; the start column is clamped to the end of its line. Matches do not span
// lines. False when there is no match before the end of the document or needle is empty.
bool findForward(const EditorAdapter &editor, const QString &needle, int line, int column,
                 int &foundLine, int &foundColumn);

} // namespace PageInsertion
