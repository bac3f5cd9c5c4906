#pragma once

#include <QString>
#include <QStringList>

class EditorAdapter;

// The Java source scanner over a document: each function reads a copy of the document's
// lines and answers as the JavaScanner function of the same name. An absent document
// (nullptr) counts as an empty text.
namespace JavaDocumentScanner {

QStringList FinnKlasseNavnene(const EditorAdapter *doc);
QStringList FinnAlleDatamedlemmer(const EditorAdapter *doc, const QString &className,
                                  bool includePrivate);
QStringList ClipAndFindMultilineDatamembers(const EditorAdapter *doc, const QString &className);
int FinnScopeSlutt(const EditorAdapter *doc, int startLine);
int FinnClassStart(const EditorAdapter *doc, int limitLine);
QString FindMainClassName(const EditorAdapter *doc);

} // namespace JavaDocumentScanner
