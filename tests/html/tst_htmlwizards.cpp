// The comment, table, list, font, object and horizontal-rule wizards as the user works them:
// their fields, checks and pictures, the entry lists of every list wizard and the font picker.
#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "HtmlHost.h"
#include "Widgets.h"
#include "html/scripts/LinkMenuWizard.h"
#include "html/scripts/RandomImageWizard.h"
#include "html/widgets/EntryList.h"
#include "html/wizards/CommentWizard.h"
#include "html/wizards/FontPicker.h"
#include "html/wizards/FontWizard.h"
#include "html/wizards/ObjectWizard.h"
#include "html/wizards/OrderedListWizard.h"
#include "html/wizards/RuleWizard.h"
#include "html/wizards/SelectionListWizard.h"
#include "html/wizards/TableWizard.h"
#include "html/wizards/UnorderedListWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The host captionsAndHelp makes its wizards over.
struct Document : FakeFeatureHost {
    WizardHost host() { return wizardHost(*this); }
};

using Maker = QWidget *(*)(const WizardHost &);
template <class W>
QWidget *make(const WizardHost &host)
{
    return new W(host);
}

} // namespace

Q_DECLARE_METATYPE(Maker)

class TestHtmlWizards : public QObject
{
    Q_OBJECT

    FakePrompter m_prompter;
    FakeFileDialogs m_dialogs;
    FakeHelpViewer m_help;
    FakeFeatureHost m_host;
    const WizardHost m_wizards = wizardHost(m_host);

    FakePrompter::Call takeCall()
    {
        return m_prompter.calls.isEmpty() ? FakePrompter::Call {} : m_prompter.calls.takeFirst();
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Quillmarsh's Editor"); }
    void init()
    {
        m_prompter.calls.clear();
        m_dialogs.calls.clear();
        m_help.pages.clear();
    }

    void captionsAndHelp()
    {
        Document doc;
        const WizardHost h = doc.host();
        const QList<std::tuple<WizardDialog *, QString, QString>> wizards {
            {new TTableForm(h), "Table wizard:", "HID_TABLEDLG"},
            {new TOLtagFrm(h), "Ordered list", "HID_ORDEREDLIST"},
            {new TULtagFrm(h), "Unordered list", "HID_UNOREREDLIST"},
            {new TPopupMenuForm(h), "Popup menu wizard", "HID_POPUPDIALOG"},
            {new TFontForm(h), "Font - Wizard:", "HID_FONTDLG"},
            {new TMediaForm(h), "Object wizard:", "HID_OBJECTWIZ"},
            {new THorisontalLinjalFrm(h), "Horisontal ruler", "HID_HR"},
        };
        for (const auto &[wizard, caption, topic] : wizards) {
            QCOMPARE(wizard->windowTitle(), caption);
            wizard->helpButton()->click();
            QCOMPARE(m_help.pages.takeLast(), topic);
            delete wizard;
        }
        TKommentForm comment(h);
        QCOMPARE(comment.windowTitle(), QStringLiteral("Comment:"));
        QVERIFY(!comment.helpButton());
    }

    void comment()
    {
        EditorAdapter *page = openPage(m_host, {"    x"}, 1, 6);
        TKommentForm wizard(m_wizards);
        wizard.show();
        wizard.Memo1->setPlainText("first\nsecond");
        child<QPushButton>(&wizard, "BitBtn1")->click();
        QCOMPARE(page->lines(),
                 (QStringList {"    x<!-- ", "      first", "      second", "    -->"}));
        QVERIFY(wizard.isHidden());
    }

    // A count that is no integer is said in the error box; the wizard stays open with its
    // fields, and OK works once they are mended.
    void table()
    {
        EditorAdapter *page = openPage(m_host, {"  "}, 1, 3);
        TTableForm wizard(m_wizards);
        wizard.show();
        QCOMPARE(wizard.Edit5->text(), QStringLiteral("75"));
        QVERIFY(wizard.CheckBox1->isChecked());
        QCOMPARE(wizard.ComboBox1->placeholderText(), QStringLiteral("Select"));
        QVERIFY(!wizard.Image1->pixmap().isNull() && !wizard.Image2->pixmap().isNull());

        wizard.Edit1->setText("abc");
        wizard.okButton()->click();
        FakePrompter::Call call = takeCall();
        QCOMPARE(call.caption, QStringLiteral("Quillmarsh's Editor"));
        QCOMPARE(call.text, QStringLiteral("'abc' is not a valid integer value"));
        QCOMPARE(call.icon, Prompter::Error);
        QVERIFY(wizard.isVisible());
        QCOMPARE(page->text(), QStringLiteral("  "));
        QCOMPARE(wizard.Edit1->text(), QStringLiteral("abc"));

        wizard.Edit1->setText("1");
        wizard.Edit2->setText("0");
        wizard.okButton()->click();
        QVERIFY(m_prompter.calls.isEmpty() && wizard.isHidden());
        QCOMPARE(page->lines(),
                 (QStringList {"  <table width=\"75%\" border=\"1\">", "    <tr>", "    </tr>",
                               "  </table>"}));

        // The colour dialog's answer in hex; cancelled, the field stays.
        m_dialogs.colorAnswers = {QColor(0, 0, 10)};
        wizard.Button1->click();
        QCOMPARE(wizard.Edit9->text(), QStringLiteral("00000A"));
        wizard.Button1->click();
        QCOMPARE(wizard.Edit9->text(), QStringLiteral("00000A"));
        QCOMPARE(m_dialogs.calls.size(), 2);
    }

    // The start value is checked at each key release in its field, whatever the key.
    void startValueCheck()
    {
        TOLtagFrm wizard(m_wizards);
        wizard.show();
        QLineEdit *field = wizard.Edit1;
        field->setFocus();
        typeInto(field, "1.5");
        QTest::keyClick(field, Qt::Key_Shift);
        QTest::keyClick(field, Qt::Key_E);
        typeInto(field, "2");
        // "1.5" passes; "1.5e" fails on its way: the message and an empty field, then "2".
        QCOMPARE(field->text(), QStringLiteral("2"));
        FakePrompter::Call call = takeCall();
        QCOMPARE(call.caption, QStringLiteral("info"));
        QCOMPARE(call.text, QStringLiteral("Start value has to be a number!"));
        QCOMPARE(call.icon, Prompter::Information);
        QVERIFY(m_prompter.calls.isEmpty());

        field->setText("12");
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(m_prompter.calls.isEmpty());
        QTest::keyClick(field, Qt::Key_Backspace); // the last character: the field is empty
        QCOMPARE(takeCall().text, call.text);
        QCOMPARE(field->text(), QString());

        // The release of the key that closed the message is no new try; the next key is.
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_Return, '\r', Qt::NoModifier);
        QVERIFY(m_prompter.calls.isEmpty());
        typeInto(field, "a");
        QCOMPARE(takeCall().text, call.text);
        QCOMPARE(field->text(), QString());

        // A Tab whose press moved the focus into the field is checked on its release.
        TOLtagFrm other(m_wizards);
        other.Edit1->setText("inf");
        QTest::sendKeyEvent(QTest::Release, other.Edit1, Qt::Key_Tab, '\t', Qt::NoModifier);
        QCOMPARE(takeCall().text, call.text);
        QCOMPARE(other.Edit1->text(), QString());
        // A held key's repeats are no releases.
        QTest::keyPress(other.Edit1, Qt::Key_X); // a press ends the wait after the message
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x", true);
        QCoreApplication::sendEvent(other.Edit1, &repeat);
        QCOMPARE(other.Edit1->text(), QStringLiteral("x"));
        QVERIFY(m_prompter.calls.isEmpty());
    }

    void orderedList()
    {
        TOLtagFrm wizard(m_wizards);
        QCOMPARE(wizard.Label3->text(), QString());
        wizard.ComboBox1->setCurrentIndex(2);
        QCOMPARE(wizard.Label3->text(),
                 QStringLiteral("I.  HTML 1.0\nII.  HTML 2.0\nIII.  HTML 4.0"));
        child<QLineEdit>(&wizard, "Edit2")->setText("one");
        child<QPushButton>(&wizard, "Button2")->click();
        wizard.Edit1->setText("3");
        EditorAdapter *page = openPage(m_host, {"\t"}, 1, 2);
        wizard.okButton()->click();
        QCOMPARE(page->text(),
                 QStringLiteral("\t<ol start=\"3\" type=\"I\">\n  <li>one</li>\n</ol>"));
    }

    void unorderedPictures()
    {
        EditorAdapter *page = openPage(m_host);
        TULtagFrm wizard(m_wizards);
        wizard.show();
        const QList<QLabel *> images {wizard.Image1, wizard.Image2, wizard.Image3};
        for (QLabel *image : images)
            QVERIFY(image->isHidden() && !image->pixmap().isNull());
        for (int chosen = 0; chosen < 3; ++chosen) {
            wizard.ComboBox1->setCurrentIndex(chosen);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(images[i]->isVisible(), i == chosen);
        }
        wizard.ComboBox1->setCurrentIndex(1);
        wizard.okButton()->click();
        QCOMPARE(page->text(), QStringLiteral("<ul type=\"circle\">\n</ul>"));
    }

    void selectionList()
    {
        EditorAdapter *page = openPage(m_host);
        TPopupMenuForm wizard(m_wizards);
        QVERIFY(!wizard.Edit2->isEnabled() && !wizard.Label2->isEnabled());
        wizard.CheckBox1->click();
        QVERIFY(wizard.Edit2->isEnabled() && wizard.Label2->isEnabled());
        wizard.Edit2->setText("4");
        wizard.CheckBox1->click();
        QVERIFY(!wizard.Edit2->isEnabled());
        wizard.Edit1->setText("pick");
        child<QLineEdit>(&wizard, "Edit3")->setText("a");
        child<QPushButton>(&wizard, "Button3")->click();
        wizard.okButton()->click();
        QCOMPARE(page->text(), QStringLiteral("<select name=\"pick\">\n  <option>a\n</select>"));
    }

    // Each wizard's entry list: the column that narrows past a number of entries, to leave
    // room for the scroll bar, and the import dialog's title and file types.
    void entryLists_data()
    {
        QTest::addColumn<Maker>("make");
        QTest::addColumn<QList<int>>("rule"); // column, entries it holds wide, wide, narrow
        QTest::addColumn<QString>("importTitle");
        QTest::addColumn<QString>("importFilter");
        const QString title = "Select file you want to be imported to the list";
        const QString filter = "Text files (*.txt)|*.txt|Richtext files (*.rtf)|*.rtf";
        QTest::newRow("ordered") << &make<TOLtagFrm> << QList<int> {0, 5, 288, 272} << title
                                 << filter;
        QTest::newRow("selection") << &make<TPopupMenuForm> << QList<int> {0, 4, 259, 242}
                                   << "Select a file to be imported to the list"
                                   << "Text Files (*.txt)|*.txt|Richtext Files (*.rtf)|*.rtf";
        QTest::newRow("font") << &make<TFontForm> << QList<int> {0, 5, 305, 288} << ""
                              << "";
        QTest::newRow("random image")
            << &make<TTilfeldigebilderFrm1> << QList<int> {0, 5, 289, 272} << ""
            << "";
        QTest::newRow("link menu")
            << &make<TLinkScriptFrm> << QList<int> {1, 5, 199, 182} << title << filter;
    }
    void entryLists()
    {
        QFETCH(Maker, make);
        QFETCH(QList<int>, rule);
        QFETCH(QString, importTitle);
        std::unique_ptr<QWidget> wizard(make(m_wizards));
        auto *entries = wizard->findChild<EntryList *>();
        QTreeWidget *list = entries->list();
        while (entries->count() < rule[1])
            entries->addEntry({"a", "b"});
        QCOMPARE(list->columnWidth(rule[0]), rule[2]);
        entries->addEntry({"a", "b"});
        QCOMPARE(list->columnWidth(rule[0]), rule[3]);
        list->setCurrentItem(list->topLevelItem(0));
        entries->removeSelected();
        QCOMPARE(list->columnWidth(rule[0]), rule[2]);
        QCOMPARE(bool(entries->importButton()), !importTitle.isEmpty());
        if (entries->importButton()) {
            entries->importButton()->click(); // cancelled
            QCOMPARE(entries->count(), rule[1]);
            QCOMPARE(m_dialogs.calls.at(0).request.caption, importTitle);
            QTEST(FileDialogs::toDelphiFilter(m_dialogs.calls.at(0).request.filter),
                  "importFilter");
        }
    }

    // Add, Delete and Import of the ordered list's entries.
    void entryList()
    {
        TOLtagFrm wizard(m_wizards);
        QTreeWidget *list = child<QTreeWidget>(&wizard, "Elementer");
        QLineEdit *field = child<QLineEdit>(&wizard, "Edit2");
        QPushButton *add = child<QPushButton>(&wizard, "Button2");
        QPushButton *remove = child<QPushButton>(&wizard, "Button5");
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Elements in list"));
        add->click(); // an empty entry too
        for (const char *text : {"b", "c"}) {
            field->setText(text);
            add->click();
        }
        QCOMPARE(field->text(), QString());
        QCOMPARE(wizard.Elementer->texts(), (QStringList {"", "b", "c"}));

        list->clearSelection();
        remove->click(); // nothing selected
        QCOMPARE(wizard.Elementer->count(), 3);
        list->setCurrentItem(list->topLevelItem(1));
        remove->click();
        QCOMPARE(wizard.Elementer->texts(), (QStringList {"", "c"}));

        // Import appends the file's lines after the entries there are.
        m_host.folder.writeFile("list.txt", "x\r\n\r\n y \r\n");
        m_dialogs.answerFiles({m_host.folder.filePath("list.txt")});
        child<QPushButton>(&wizard, "Button4")->click();
        QCOMPARE(wizard.Elementer->texts(), (QStringList {"", "c", "x", " y "}));

        // A file that cannot be read is named with the reason; the list stays as it was.
        const QString missing = m_host.folder.filePath("missing.rtf");
        m_dialogs.answerFiles({missing});
        child<QPushButton>(&wizard, "Button4")->click();
        const FakePrompter::Call call = takeCall();
        QCOMPARE(call.caption, QStringLiteral("Quillmarsh's Editor"));
        QVERIFY(call.text.startsWith("Cannot open file \"" + missing + "\". "));
        QVERIFY(call.text.size() > missing.size() + 22);
        QCOMPARE(call.icon, Prompter::Error);
        QCOMPARE(wizard.Elementer->count(), 4);
    }

    void fontPicker()
    {
        TFontForm wizard(m_wizards);
        wizard.show();
        bool hiddenMeanwhile = false;
        int families = -1;
        QString title;
        wizard.setExecPicker([&](TFontViewFrm &picker) {
            hiddenMeanwhile = wizard.isHidden();
            families = picker.ListBox1->count();
            title = picker.windowTitle();
            if (picker.ListBox1->count() > 0)
                picker.ListBox1->item(0)->setSelected(true);
            picker.Button1->click();
            return int(QDialog::Accepted);
        });
        wizard.Button1->click();
        QVERIFY(hiddenMeanwhile);
        QCOMPARE(title, QStringLiteral("Select Font"));
        QVERIFY(wizard.isVisible());
        QCOMPARE(families, QFontDatabase::families().size());
        if (families > 0)
            QCOMPARE(wizard.Edit1->text(), QFontDatabase::families().first());

        // Closed with nothing selected, the font field keeps its text.
        wizard.Edit1->setText("Kept");
        wizard.setExecPicker([](TFontViewFrm &) { return int(QDialog::Rejected); });
        wizard.Button1->click();
        QCOMPARE(wizard.Edit1->text(), QStringLiteral("Kept"));
    }

    void fontList()
    {
        EditorAdapter *page = openPage(m_host, {"a word b"});
        page->setSelection(1, 3, 1, 7);
        TFontForm wizard(m_wizards);
        QTreeWidget *list = child<QTreeWidget>(&wizard, "ListView1");
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Fonts"));

        QVERIFY(!wizard.ComboBox2->isEnabled());
        QCOMPARE(wizard.ComboBox2->placeholderText(), QStringLiteral("Select series"));
        wizard.CheckBox4->click();
        QVERIFY(wizard.ComboBox2->isEnabled());
        wizard.ComboBox2->activated(0);
        wizard.ComboBox2->activated(1);

        wizard.Edit1->setText(" \t");
        wizard.Button4->click(); // a blank name is no font
        QCOMPARE(wizard.Edit1->text(), QStringLiteral(" \t"));
        wizard.Edit1->setText("Verdana");
        wizard.Button4->click();
        QCOMPARE(wizard.Edit1->text(), QString());
        QCOMPARE(wizard.ListView1->count(), 3);
        list->setCurrentItem(list->topLevelItem(1));
        wizard.Button5->click();
        QCOMPARE(wizard.ListView1->texts(),
                 (QStringList {"Arial, Helvetica, sans-serif", "Verdana"}));

        wizard.CheckBox1->setChecked(true);
        wizard.okButton()->click();
        QCOMPARE(page->text(),
                 QStringLiteral(
                     "a <b><font Face=\"Arial, Helvetica, sans-serif,Verdana\">word</font></b> b"));
        QVERIFY(wizard.isHidden());
    }

    void objectAndRule()
    {
        EditorAdapter *page = openPage(m_host, {"    x"}, 1, 6);
        TMediaForm object(m_wizards);
        object.Edit1->setText("10");
        object.okButton()->click();
        QCOMPARE(page->lines(), (QStringList {"    x<object Width=\"10\">", "", "    </object>"}));
        QCOMPARE(page->caretLine(), 2);
        QCOMPARE(page->caretColumn(), 9);

        page = openPage(m_host);
        THorisontalLinjalFrm rule(m_wizards);
        rule.ComboBox1->setCurrentIndex(2);
        rule.Edit2->setText("2");
        rule.CheckBox1->setChecked(true);
        rule.okButton()->click();
        QCOMPARE(page->text(), QStringLiteral("<hr alignment=\"center\" Size=\"2\" noshade>"));
    }
};

QTEST_MAIN(TestHtmlWizards)
#include "tst_htmlwizards.moc"
