// The completion keys on large documents: "." opening the member list of a String variable at
// the end of a 10,000-line Java class, the Java comment test there, the Space handler (no
// template after the word) and ">" inserting an end tag in a 10,000-line page, and the attribute
// list after "<td " at the end of that page. Each key is sent to the editor as the user types
// it, through the document's key handlers, and timed until the list is painted; medians of 15.
#include "completion/AttributeListPopup.h"
#include "completion/CodeTemplateExpander.h"
#include "completion/DocumentKeyTriggers.h"
#include "completion/HtmlAttributeCompletion.h"
#include "completion/JavaMemberCompletion.h"
#include "completion/KeyTriggerText.h"
#include "completion/MemberListPopup.h"
#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/HostDocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A document window as the key handlers see it.
class BenchDocument : public QWidget, public HostDocument
{
public:
    explicit BenchDocument(const QString &caption) : m_caption(caption)
    {
        m_editor = new EditorAdapter(this);
        (new QVBoxLayout(this))->addWidget(m_editor->widget());
        resize(900, 600);
    }
    QWidget *widget() override { return this; }
    QString caption() const override { return m_caption; }
    QString fileName() const override { return QString(); }
    EditorAdapter *editor() const override { return m_editor; }
    void rename(const QString &c) override { m_caption = c; }
    void setFileName(const QString &) override {}
    void removeHighlighter() override {}
    bool save() override { return false; }
    bool isModified() const override { return m_modified; }
    int errorLine() const override { return -1; }
    void setErrorLine(int) override {}
    void bringToFront() override {}
    QString panelText(int panel) const override { return m_panels[panel & 3]; }
    void setPanelText(int panel, const QString &text) override { m_panels[panel & 3] = text; }
    void setIsModified(bool modified) override { m_modified = modified; }
    QMenu *popupMenu() const override { return nullptr; }
    ActionRegistry &popupActions() override { return m_actions; }

private:
    EditorAdapter *m_editor;
    QString m_caption;
    QString m_panels[4];
    ActionRegistry m_actions;
    bool m_modified = false;
};

// Some 30 characters a line, as in hand-written code.
QString javaClass(int lines)
{
    QStringList text {"import java.util.*;", "", "/** A large class. */", "public class Big {"};
    for (int m = 0; text.size() < lines - 6; ++m) {
        text << QStringLiteral("    private int count%1 = 0;").arg(m)
             << QStringLiteral("    // returns the name of entry %1").arg(m)
             << QStringLiteral("    public String name%1(int a, String b) {").arg(m)
             << QStringLiteral("        String s = b + \"{ not a brace }\";")
             << QStringLiteral("        /* a block comment")
             << QStringLiteral("           over lines */")
             << QStringLiteral("        for (int i = 0; i < a; i++) {")
             << QStringLiteral("            s = s.trim() + i;") << QStringLiteral("        }")
             << QStringLiteral("        return s;") << QStringLiteral("    }") << QString();
    }
    text << "    public void last() {"
         << "        String s = \"\";"
         << "        s"
         << "    }"
         << "}";
    return text.join(u'\n');
}

// Some 40 characters a line.
QString htmlPage(int lines)
{
    QStringList text {"<html>", "<head><title>Big</title></head>", "<body>", "<table>"};
    for (int r = 0; text.size() < lines - 4; ++r)
        text << QStringLiteral("  <tr valign=\"top\">")
             << QStringLiteral("    <td bgcolor=\"#ffffff\">cell number %1</td>").arg(r)
             << QStringLiteral("    <!-- the link of row %1 -->").arg(r)
             << QStringLiteral("    <td><a href=\"page%1.html\">a link</a></td>").arg(r)
             << QStringLiteral("  </tr>");
    text << "<tr>"
         << "<td"
         << "</table></body></html>";
    return text.join(u'\n');
}

void key(EditorAdapter *e, int k, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QCoreApplication::sendEvent(e->widget(), &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QCoreApplication::sendEvent(e->widget(), &release);
}

// Lets a window just shown settle (its activation would close a popup opened at once).
void settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300)
        QApplication::processEvents();
}

template <typename F>
double medianMs(F once)
{
    std::vector<qint64> ns;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        once();
        ns.push_back(t.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray data = qgetenv("QMEDITOR_DATA");
    if (!data.isEmpty())
        qputenv("QMEDITOR_HOME", data); // completion/String.cmp and the rest
    QApplication app(argc, argv);
    TSynAutoComplete templates;
    templates.setCompletionList({"for", "=for (|) {", "=}"});
    const EditFormKeys::Switches on {[] { return true; }, [] { return true; }};

    BenchDocument java(QStringLiteral("Big.java"));
    java.editor()->setText(javaClass(10000));
    auto *javaKeys = new EditFormKeys(&java, &templates, on);
    java.show();
    EditorAdapter *je = java.editor();
    const int caretLine = je->lineCount() - 2;
    settle();

    int shown = 0;
    const double dot = medianMs([&] {
        je->setCaret(caretLine, 10);
        key(je, Qt::Key_Period, QStringLiteral("."));
        QApplication::processEvents();
        shown += javaKeys->JavaCompletion->isListShown() ? 1 : 0;
        javaKeys->JavaCompletion->Form->hide();
        je->deleteBeforeCaret(1);
    });
    const QStringList entries = javaKeys->JavaCompletion->Form->items();
    const QStringList jl = je->lines();
    const double comment = medianMs([&] {
        volatile bool in = KeyTriggerText::isCaretXYInComment(jl, caretLine, 10);
        Q_UNUSED(in);
    });
    // The handlers alone, without the editor's own typing of the key.
    const double space = medianMs([&] {
        je->setCaret(caretLine, 10);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        javaKeys->SynEdit1KeyDown(&press);
        javaKeys->SynEdit1KeyPress(&press);
    });

    BenchDocument page(QStringLiteral("big.html"));
    page.editor()->setText(htmlPage(10000));
    auto *pageKeys = new EditFormKeys(&page, &templates, on);
    page.show();
    EditorAdapter *pe = page.editor();
    const int tagLine = pe->lineCount() - 1;
    settle();
    const QString tagText = pe->line(tagLine);
    int ended = 0;
    std::vector<qint64> gtNs;
    for (int i = 0; i < 15; ++i) {
        pe->replaceLine(tagLine, tagText);
        pe->setCaret(tagLine, 4);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Greater, Qt::NoModifier, QStringLiteral(">"));
        QElapsedTimer t;
        t.start();
        pageKeys->SynEdit1KeyDown(&press);
        pageKeys->SynEdit1KeyPress(&press);
        gtNs.push_back(t.nsecsElapsed());
        ended += pe->line(tagLine) == QLatin1String("<td</td>") ? 1 : 0;
    }
    std::sort(gtNs.begin(), gtNs.end());
    const double gt = gtNs[gtNs.size() / 2] / 1e6;
    pe->replaceLine(tagLine, tagText);
    int listed = 0;
    const double attributes = medianMs([&] {
        pe->setCaret(tagLine, 4);
        key(pe, Qt::Key_Space, QStringLiteral(" "));
        QApplication::processEvents();
        listed += pageKeys->HTMLCompletion->Form->isVisible() ? 1 : 0;
        pageKeys->HTMLCompletion->Form->hide();
        pe->deleteBeforeCaret(1);
    });

    std::printf("Java class of %d lines (%lld KB), caret at its end:\n", je->lineCount(),
                qlonglong(je->text().toUtf8().size() / 1024));
    std::printf("  \".\" to the painted member list (%lld entries, shown %d of 15): %.1f ms "
                "(target 50)\n",
                qlonglong(entries.size()), shown, dot);
    std::printf("  comment test: %.1f ms; Space handler (no template): %.1f ms (target 10)\n",
                comment, space);
    std::printf("HTML page of %d lines (%lld KB), caret at its end:\n", pe->lineCount(),
                qlonglong(pe->text().toUtf8().size() / 1024));
    std::printf("  \">\" handler inserting the end tag (%d of 15): %.1f ms (target 10)\n", ended,
                gt);
    std::printf("  \"<td \" to the painted attribute list (shown %d of 15): %.1f ms (target 20)\n",
                listed, attributes);
    return 0;
}
