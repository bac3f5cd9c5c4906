#pragma once

#include "platform/TColor.h"
#include "spelling/SpellCheck.h"

#include <QList>
#include <QObject>
#include <QPointer>

class EditorAdapter;

// The as-you-type underline of one editor: every unknown word in view carries a wavy
// underline (the editor's waves) in the pen colour, covering the word's width and one pixel
// more. The words are tested afresh whenever the editor's text, scroll position or size
// changes, or the checker's words, options or look change; nothing is kept between passes but
// the waves themselves. Owned by its editor.
class TDrawAutoSpellCheckPlugin : public QObject
{
    Q_OBJECT
public:
    struct Underline {
        int line;
        int column;
        int length;
        friend bool operator==(const Underline &a, const Underline &b)
        {
            return a.line == b.line && a.column == b.column && a.length == b.length;
        }
    };

    TDrawAutoSpellCheckPlugin(EditorAdapter *editor, TSpellCheck *checker);

    EditorAdapter *editor() const { return m_editor; }
    TSpellCheck *checker() const { return m_checker; }
    void setChecker(TSpellCheck *checker);
    TColor penColor() const { return m_penColor; }
    void setPenColor(TColor c);
    TSpellCheck::UnderlineStyle underlineStyle() const { return m_style; }
    void setUnderlineStyle(TSpellCheck::UnderlineStyle s);

    // The pass over the visible lines, now. Normally it runs on its own, once per burst of
    // changes, from the event loop.
    void refresh();
    void scheduleRefresh();
    // The words the last pass underlined (their columns counted now).
    QList<Underline> underlined() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // An underlined word: its bytes in the editor and its length in characters.
    struct Word {
        int line;
        long from;
        long to;
        int length;
    };

    void applyLook();
    void checkLine(int line);

    QPointer<EditorAdapter> m_editor;
    QPointer<TSpellCheck> m_checker;
    TColor m_penColor = TColor::clRed;
    TSpellCheck::UnderlineStyle m_style = TSpellCheck::usMicrosoftWord;
    QList<Word> m_underlined;
    bool m_pending = false;
};
