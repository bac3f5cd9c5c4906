#include "completion/AttributeListPopup.h"
#include "completion/HtmlAttributeCompletion.h"
#include "completion/HtmlAttributeTables.h"
#include "completion/HtmlTagAtCaret.h"
#include "editor/EditorAdapter.h"

#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

// The HTML attribute completion: which tag selects which list, what a list shows, what a
// choice inserts, and the tag found at the caret.
class TestHtmlAttributes : public QObject
{
    Q_OBJECT

    // A window with an editor and its attribute completion.
    struct Page {
        QWidget window;
        EditorAdapter *editor;
        TCustomSynAutoComplete1 *completion;
        explicit Page(const QString &text) : editor(new EditorAdapter(&window))
        {
            (new QVBoxLayout(&window))->addWidget(editor->widget());
            completion = new TCustomSynAutoComplete1(&window);
            completion->AddEditor(editor);
            editor->setText(text);
            window.resize(500, 300);
            window.show();
        }
    };

private slots:
    void chooser_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("builder");
        const QList<QPair<QStringList, QString>> rows {
            {{"<tbody", "<tfoot", "<thead"}, "FyllMedTbodyFootThreadParam"},
            {{"<body"}, "FyllMedBodyParam"},
            {{"<applet"}, "FyllMedAppletParam"},
            {{"<area"}, "FyllMedAreaParam"},
            {{"<a"}, "FyllMedAParam"},
            {{"<basefont"}, "FyllMedBaseFontParam"},
            {{"<base"}, "FyllMedBaseParam"},
            {{"<caption"}, "FyllMedCaptionParam"},
            {{"<div"}, "FyllMedDivParam"},
            {{"<embed"}, "FyllMedEmbedParam"},
            {{"<font"}, "FyllMedFontParam"},
            {{"<form"}, "FyllMedFormParam"},
            {{"<frameset"}, "FyllMedFrameSetParam"},
            {{"<frame"}, "FyllMedFrameParam"},
            {{"<h1", "<h2", "<h3", "<h4", "<h5", "<h6", "<p"}, "FyllMedAlignmentParam"},
            {{"<hr"}, "FyllMedHRParam"},
            {{"<img"}, "FyllMedImageParam"},
            {{"<input"}, "FyllMedInputParam"},
            {{"<link"}, "FyllMedLinkParam"},
            {{"<map"}, "FyllMedMapParam"},
            {{"<meta"}, "FyllMedMetaParam"},
            {{"<ol"}, "FyllMedOrderedListParam"},
            {{"<option"}, "FyllMedOptionParam"},
            {{"<object"}, "FyllMedObjectParam"},
            {{"<param"}, "FyllMedParamParameter"},
            {{"<script"}, "FyllMedScriptParam"},
            {{"<style"}, "FyllMedStyleParam"},
            {{"<select"}, "FyllMedSelectParam"},
            {{"<table"}, "FyllMedTableParam"},
            {{"<td", "<th"}, "FyllMedTdEllerThParam"},
            {{"<textarea"}, "FyllMedTextareaParam"},
            {{"<tr"}, "FyllMedTrParam"},
            {{"<ul"}, "FyllMedUlListParam"},
            {{"<bgsound"}, "FyllMedBgSoundParam"},
            {{"<iframe"}, "FyllMedIFrameParam"},
            {{"<layer"}, "FyllMedILayerParam"},
            {{"<label"}, "FyllMedLabelParam"},
            {{"<button"}, "FyllMedButtonParam"},
            {{"<col", "<colgroup"}, "FyllMedColgroupParam"},
            {{"<legend"}, "FyllMedLegendParam"},
            {{"<marquee"}, "FyllMedMarqueeParam"},
            {{"<multicol"}, "FyllMedMulticolParam"},
            {{"<spacer"}, "FyllMedSpacerParam"},
            // Tags without a list, and the exact patterns that do not reach longer names.
            {{"<abbr", "<address", "<pre", "<span", "<li", "<br", "</td", "</a", "<", "<foo"}, ""},
        };
        for (const auto &[tags, builder] : rows)
            for (const QString &tag : tags)
                QTest::newRow(qPrintable(tag)) << tag << builder;
    }
    void chooser()
    {
        QFETCH(QString, tag);
        QFETCH(QString, builder);
        QCOMPARE(HtmlAttributeTables::builderName(HtmlAttributeTables::chooseRow(tag)), builder);
    }

    // Lists are shown sorted without regard to case, equal entries in the order added; the
    // column is wider when no scroll bar is needed.
    void listShown()
    {
        TfmCustomSynHTMLAutoComplete form;
        form.fillWith(HtmlAttributeTables::chooseRow(QStringLiteral("<a")));
        QCOMPARE(form.items(),
                 (QStringList {"href", "name", "target", "target=\"_blank\"", "target=\"_new\"",
                               "target=\"_parent\"", "target=\"_self\"", "target=\"_top\""}));
        QCOMPARE(form.columnWidth(), 215);
        form.fillWith(HtmlAttributeTables::chooseRow(QStringLiteral("<ol")));
        QCOMPARE(form.items(),
                 (QStringList {"start", "type=\"1\"", "type=\"A\"", "type=\"a\"", "type=\"I\"",
                               "type=\"i\""}));
        form.fillWith(HtmlAttributeTables::chooseRow(QStringLiteral("<font")));
        QCOMPARE(form.items(), (QStringList {"color", "face", "size"}));
        QCOMPARE(form.columnWidth(), 231);
        form.fillWith(HtmlAttributeTables::chooseRow(QStringLiteral("<basefont")));
        QCOMPARE(form.items(), QStringList {"size"});
        QCOMPARE(form.Builder, QStringLiteral("FyllMedBaseFontParam"));
    }

    void tagAtCaret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag");
        QTest::newRow("after the name") << "<td |"
                                        << "td";
        QTest::newRow("upper case") << "<P ALIGN=\"left\" |"
                                    << "p";
        QTest::newRow("after other attributes") << "<img src=\"a.gif\" |"
                                                << "img";
        QTest::newRow("end tag keeps its slash") << "</td |"
                                                 << "/td";
        QTest::newRow("> right after the caret") << "<td |>"
                                                 << "td";
        QTest::newRow("tag closed before the caret") << "<td> |"
                                                     << "";
        QTest::newRow("second tag on the line") << "<b>x</b><font |"
                                                << "font";
        QTest::newRow("inside a quoted value") << "<td bgcolor=\"a |\""
                                               << "";
        QTest::newRow("inside an open value") << "<img alt=\"my |"
                                              << "";
        QTest::newRow("inside a comment") << "<!-- <td |"
                                          << "";
        QTest::newRow("comment from an earlier line") << "<!--\n<td |"
                                                      << "";
        QTest::newRow("comment closed before") << "<!-- x --> <td |"
                                               << "td";
        QTest::newRow("name on an earlier line") << "<td\n  |"
                                                 << "";
        QTest::newRow("unknown tag") << "<foo |"
                                     << "";
    }
    void tagAtCaret()
    {
        QFETCH(QString, text);
        QFETCH(QString, tag);
        QStringList lines = text.split(u'\n');
        const int line = int(lines.size());
        const int column = int(lines.last().indexOf(u'|')) + 1;
        lines.last().remove(u'|');
        QCOMPARE(FindKeyWordInNow(lines, line, column), tag);
    }

    // The three insert rules, and the list opened at the caret from the editor.
    void inserting_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("caret");
        QTest::newRow("valueless") << "nowrap"
                                   << "<td nowrap" << 11;
        QTest::newRow("fixed value") << "align=\"left\""
                                     << "<td align=\"left\"" << 17;
        QTest::newRow("value to type") << "bgcolor"
                                       << "<td bgcolor=\"\"" << 14;
    }
    void inserting()
    {
        QFETCH(QString, item);
        QFETCH(QString, line);
        QFETCH(int, caret);
        Page page(QStringLiteral("<td "));
        page.editor->setCaret(1, 5);
        page.completion->Execute(page.editor);
        TfmCustomSynHTMLAutoComplete *form = page.completion->Form;
        QVERIFY(form->isVisible());
        QCOMPARE(form->Builder, QStringLiteral("FyllMedTdEllerThParam"));
        QCOMPARE(form->Editor, page.editor);
        // The popup stands one line below the caret's top.
        const QPoint at = page.editor->caretScreenPoint();
        QCOMPARE(form->pos(), QPoint(at.x(), at.y() + page.editor->lineHeight()));

        const QList<QTreeWidgetItem *> found = form->List->findItems(item, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        form->List->setCurrentItem(found.first());
        QTest::keyClick(form->List, Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QCOMPARE(page.editor->line(1), line);
        QCOMPARE(page.editor->caretColumn(), caret);
    }

    void noListAndEscape()
    {
        Page page(QStringLiteral("<abbr ><td "));
        page.editor->setCaret(1, 7);
        page.completion->Execute(page.editor);
        QVERIFY(!page.completion->Form->isVisible());
        page.editor->setCaret(1, 12);
        page.completion->Execute(page.editor);
        QVERIFY(page.completion->Form->isVisible());
        QTest::keyClick(page.completion->Form->List, Qt::Key_Escape);
        QVERIFY(!page.completion->Form->isVisible());
        QCOMPARE(page.editor->line(1), QStringLiteral("<abbr ><td "));
    }
};

QTEST_MAIN(TestHtmlAttributes)
#include "tst_htmlattributes.moc"
