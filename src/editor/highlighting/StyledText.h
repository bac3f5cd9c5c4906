#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

class EditorAdapter;

// How one highlighter style looks.
struct TextStyle {
    QColor fore;
    QColor back;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A stretch of text in one style.
struct StyledRun {
    QString text;
    int style = 0;
};

// A document's text (or its selection) as runs of styles, with the look of each style used:
// what the exporters write.
struct StyledText {
    QList<StyledRun> runs;
    QHash<int, TextStyle> styles;
    QString fontFamily;
    int pointSize = 10;
    QColor paper = Qt::white; // the background of the default style

    QString plainText() const;

    // The editor's whole text, or exactly its selected characters, as its highlighter
    // styles it.
    static StyledText of(const EditorAdapter &editor, bool selectionOnly);
};
