// The comment, table, list, font, object and horizontal-rule wizards as the user works them:
// their fields, checks and pictures, the entry list, the font picker, and the openers of the
// real main window.
#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "ShellFixture.h"
#include "editor/EditorAdapter.h"
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
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A document of its own for the wizards to write into.
struct Document {
    EditorAdapter editor;
    WizardHost host()
    {
        return {nullptr, [this](const QString &text) { editor.insertAtCaret(text); },
                [] { return ProjectSettings(); }, [this] { return &editor; }};
    }
    void load(const QString &text, int line, int column)
    {
        editor.setText(text);
        editor.setCaret(line, column);
    }
};

template <class W>
W *child(QWidget *parent, const char *name)
{
    W *w = parent->findChild<W *>(QLatin1String(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

void type(QWidget *w, const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(w, c.toLatin1());
}

} // namespace

class TestHtmlWizards : public QObject
{
    Q_OBJECT

    FakePrompter m_prompter;
    FakeFileDialogs m_dialogs;
    FakeHelpViewer m_help;
    QTemporaryDir m_dir;

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
        Document doc;
        doc.load("    x", 1, 6);
        TKommentForm wizard(doc.host());
        wizard.show();
        wizard.Memo1->setPlainText("first\nsecond");
        child<QPushButton>(&wizard, "BitBtn1")->click();
        QCOMPARE(doc.editor.lines(),
                 (QStringList {"    x<!-- ", "      first", "      second", "    -->"}));
        QVERIFY(wizard.isHidden());
    }

    // A count that is no integer, or a table too large, is said in the error box; the wizard
    // stays open with its fields, and OK works once they are mended.
    void tableErrors()
    {
        Document doc;
        doc.load("  ", 1, 3);
        TTableForm wizard(doc.host());
        wizard.show();
        QCOMPARE(wizard.Edit5->text(), QStringLiteral("75"));
        QVERIFY(wizard.CheckBox1->isChecked());
        QCOMPARE(wizard.ComboBox1->placeholderText(), QStringLiteral("Select"));
        QVERIFY(!wizard.Image1->pixmap().isNull());
        QVERIFY(!wizard.Image2->pixmap().isNull());

        wizard.Edit1->setText("abc");
        wizard.okButton()->click();
        FakePrompter::Call call = takeCall();
        QCOMPARE(call.caption, QStringLiteral("Quillmarsh's Editor"));
        QCOMPARE(call.text, QStringLiteral("'abc' is not a valid integer value"));
        QCOMPARE(call.icon, Prompter::Error);
        QVERIFY(wizard.isVisible());

        wizard.Edit1->setText("1001");
        wizard.Edit2->setText("1000");
        wizard.okButton()->click();
        QCOMPARE(takeCall().text,
                 QStringLiteral("The table is too large (more than 1000000 cells)."));
        QVERIFY(wizard.isVisible());
        QCOMPARE(doc.editor.text(), QStringLiteral("  "));
        QCOMPARE(wizard.Edit1->text(), QStringLiteral("1001"));

        wizard.Edit1->setText("1");
        wizard.Edit2->setText("1");
        wizard.okButton()->click();
        QVERIFY(m_prompter.calls.isEmpty());
        QVERIFY(wizard.isHidden());
        QCOMPARE(doc.editor.lines(),
                 (QStringList {"  <table width=\"75%\" border=\"1\">", "    <tr>",
                               "       <td>&nbsp;</td>", "    </tr>", "  </table>"}));
    }

    void tableColour()
    {
        Document doc;
        TTableForm wizard(doc.host());
        m_dialogs.colorAnswers = {QColor(0, 0, 10)};
        wizard.Button1->click();
        QCOMPARE(wizard.Edit9->text(), QStringLiteral("00000A"));
        wizard.Button1->click(); // cancelled
        QCOMPARE(wizard.Edit9->text(), QStringLiteral("00000A"));
        QCOMPARE(m_dialogs.calls.size(), 2);
    }

    // The start value is checked at each key release in its field, whatever the key.
    void startValueCheck()
    {
        Document doc;
        TOLtagFrm wizard(doc.host());
        wizard.show();
        QLineEdit *field = wizard.Edit1;
        field->setFocus();
        type(field, "1.5");
        QTest::keyClick(field, Qt::Key_Shift);
        QTest::keyClick(field, Qt::Key_E);
        type(field, "2");
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
        QCOMPARE(takeCall().text, QStringLiteral("Start value has to be a number!"));
        QCOMPARE(field->text(), QString());

        // The release of the key that closed the message is no new try; the next key is.
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_Return, '\r', Qt::NoModifier);
        QVERIFY(m_prompter.calls.isEmpty());
        type(field, "a");
        QCOMPARE(takeCall().text, QStringLiteral("Start value has to be a number!"));
        QCOMPARE(field->text(), QString());

        // A Tab whose press moved the focus into the field is checked on its release.
        TOLtagFrm other(doc.host());
        other.Edit1->setText("inf");
        QTest::sendKeyEvent(QTest::Release, other.Edit1, Qt::Key_Tab, '\t', Qt::NoModifier);
        QCOMPARE(takeCall().text, QStringLiteral("Start value has to be a number!"));
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
        Document doc;
        TOLtagFrm wizard(doc.host());
        QCOMPARE(wizard.Label3->text(), QString());
        wizard.ComboBox1->setCurrentIndex(2);
        QCOMPARE(wizard.Label3->text(),
                 QStringLiteral("I.  HTML 1.0\nII.  HTML 2.0\nIII.  HTML 4.0"));
        child<QLineEdit>(&wizard, "Edit2")->setText("one");
        child<QPushButton>(&wizard, "Button2")->click();
        wizard.Edit1->setText("3");
        doc.load("\t", 1, 2);
        wizard.okButton()->click();
        QCOMPARE(doc.editor.text(),
                 QStringLiteral("\t<ol start=\"3\" type=\"I\">\n  <li>one</li>\n</ol>"));
    }

    void unorderedPictures()
    {
        Document doc;
        TULtagFrm wizard(doc.host());
        wizard.show();
        const QList<QLabel *> images {wizard.Image1, wizard.Image2, wizard.Image3};
        for (QLabel *image : images) {
            QVERIFY(image->isHidden());
            QVERIFY(!image->pixmap().isNull());
        }
        for (int chosen = 0; chosen < 3; ++chosen) {
            wizard.ComboBox1->setCurrentIndex(chosen);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(images[i]->isVisible(), i == chosen);
        }
        wizard.ComboBox1->setCurrentIndex(1);
        wizard.okButton()->click();
        QCOMPARE(doc.editor.text(), QStringLiteral("<ul type=\"circle\">\n</ul>"));
    }

    void selectionList()
    {
        Document doc;
        TPopupMenuForm wizard(doc.host());
        QVERIFY(!wizard.Edit2->isEnabled());
        QVERIFY(!wizard.Label2->isEnabled());
        wizard.CheckBox1->click();
        QVERIFY(wizard.Edit2->isEnabled());
        QVERIFY(wizard.Label2->isEnabled());
        wizard.Edit2->setText("4");
        wizard.CheckBox1->click();
        QVERIFY(!wizard.Edit2->isEnabled());
        wizard.Edit1->setText("pick");
        child<QLineEdit>(&wizard, "Edit3")->setText("a");
        child<QPushButton>(&wizard, "Button3")->click();
        wizard.okButton()->click();
        QCOMPARE(doc.editor.text(),
                 QStringLiteral("<select name=\"pick\">\n  <option>a\n</select>"));
    }

    // Add, Delete, Import and the column rule of the shared entry list.
    void entryList()
    {
        Document doc;
        TOLtagFrm wizard(doc.host());
        QTreeWidget *list = child<QTreeWidget>(&wizard, "Elementer");
        QLineEdit *field = child<QLineEdit>(&wizard, "Edit2");
        QPushButton *add = child<QPushButton>(&wizard, "Button2");
        QPushButton *remove = child<QPushButton>(&wizard, "Button5");
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Elements in list"));
        QCOMPARE(list->columnWidth(0), 288);

        add->click(); // an empty entry too
        for (const char *text : {"b", "c", "d", "e"}) {
            field->setText(text);
            add->click();
        }
        QCOMPARE(field->text(), QString());
        QCOMPARE(wizard.Elementer->texts(), (QStringList {"", "b", "c", "d", "e"}));
        QCOMPARE(list->columnWidth(0), 288);
        add->click();
        QCOMPARE(list->columnWidth(0), 272);

        list->clearSelection();
        remove->click(); // nothing selected
        QCOMPARE(wizard.Elementer->count(), 6);
        list->setCurrentItem(list->topLevelItem(1));
        remove->click();
        QCOMPARE(wizard.Elementer->texts(), (QStringList {"", "c", "d", "e", ""}));
        QCOMPARE(list->columnWidth(0), 288);

        // Import appends the file's lines after the entries there are.
        QFile file(m_dir.filePath("list.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x\r\n\r\n y \r\n");
        file.close();
        m_dialogs.answerFiles({file.fileName()});
        child<QPushButton>(&wizard, "Button4")->click();
        QCOMPARE(m_dialogs.calls.size(), 1);
        QCOMPARE(m_dialogs.calls[0].request.caption,
                 QStringLiteral("Select file you want to be imported to the list"));
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs.calls[0].request.filter),
                 QStringLiteral("Text files (*.txt)|*.txt|Richtext files (*.rtf)|*.rtf"));
        QCOMPARE(wizard.Elementer->texts(), (QStringList {"", "c", "d", "e", "", "x", " y "}));
        QCOMPARE(list->columnWidth(0), 272);

        child<QPushButton>(&wizard, "Button4")->click(); // cancelled
        QCOMPARE(wizard.Elementer->count(), 7);

        // A file that cannot be read is named with the reason; the list stays as it was.
        const QString missing = m_dir.filePath("missing.rtf");
        m_dialogs.answerFiles({missing});
        child<QPushButton>(&wizard, "Button4")->click();
        const FakePrompter::Call call = takeCall();
        QCOMPARE(call.caption, QStringLiteral("Quillmarsh's Editor"));
        QVERIFY(call.text.startsWith("Cannot open file \"" + missing + "\". "));
        QVERIFY(call.text.size() > missing.size() + 22);
        QCOMPARE(call.icon, Prompter::Error);
        QCOMPARE(wizard.Elementer->count(), 7);

        // The selection list's own rule and names.
        TPopupMenuForm popup(doc.host());
        QTreeWidget *fields = child<QTreeWidget>(&popup, "ListView1");
        QCOMPARE(fields->columnWidth(0), 259);
        popup.ListView1->addLines({"1", "2", "3", "4"});
        QCOMPARE(fields->columnWidth(0), 259);
        popup.ListView1->addLines({"5"});
        QCOMPARE(fields->columnWidth(0), 242);
        m_dialogs.answerFiles({file.fileName()});
        child<QPushButton>(&popup, "Button1")->click();
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs.calls.last().request.filter),
                 QStringLiteral("Text Files (*.txt)|*.txt|Richtext Files (*.rtf)|*.rtf"));
        QCOMPARE(m_dialogs.calls.last().request.caption,
                 QStringLiteral("Select a file to be imported to the list"));
    }

    // A list of two columns takes pairs of lines; the removed entry is announced.
    void twoColumnEntries()
    {
        EntryList::Setup setup;
        setup.listName = "ListView1";
        setup.columns = {"Value", "Link"};
        setup.width = {1, 5, 182, 199};
        setup.fields = {{"Edit3", "Value:"}, {"Edit2", "Link:"}};
        setup.add = {"Button3", "Add.."};
        setup.remove = {"Button2", "Delete"};
        EntryList list(setup);
        QVERIFY(!list.importButton());
        QCOMPARE(list.list()->columnWidth(1), 199);
        list.field(0)->setText("Home");
        list.field(1)->setText("www.x.no");
        list.addButton()->click();
        QCOMPARE(list.field(0)->text(), QString());
        list.addLines({"News", "news.x.no", "Odd"});
        QCOMPARE(list.entries(),
                 (QList<QStringList> {{"Home", "www.x.no"}, {"News", "news.x.no"}, {"Odd", ""}}));
        QStringList removed;
        connect(&list, &EntryList::removing, this,
                [&removed](const QStringList &e) { removed = e; });
        list.list()->setCurrentItem(list.list()->topLevelItem(1));
        list.removeButton()->click();
        QCOMPARE(removed, (QStringList {"News", "news.x.no"}));
        QCOMPARE(list.texts(1), (QStringList {"www.x.no", ""}));
    }

    void fontPicker()
    {
        Document doc;
        TFontForm wizard(doc.host());
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
        Document doc;
        doc.load("a word b", 1, 1);
        doc.editor.setSelection(1, 3, 1, 7);
        TFontForm wizard(doc.host());
        QTreeWidget *list = child<QTreeWidget>(&wizard, "ListView1");
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Fonts"));

        QVERIFY(!wizard.ComboBox2->isEnabled());
        QCOMPARE(wizard.ComboBox2->placeholderText(), QStringLiteral("Select series"));
        wizard.CheckBox4->click();
        QVERIFY(wizard.ComboBox2->isEnabled());
        wizard.ComboBox2->activated(0);

        wizard.Edit1->setText(" \t");
        wizard.Button4->click(); // a blank name is no font
        QCOMPARE(wizard.Edit1->text(), QStringLiteral(" \t"));
        wizard.Edit1->setText("Verdana");
        wizard.Button4->click();
        QCOMPARE(wizard.Edit1->text(), QString());
        QCOMPARE(wizard.ListView1->texts(),
                 (QStringList {"Arial, Helvetica, sans-serif", "Verdana"}));

        QCOMPARE(list->columnWidth(0), 305);
        for (int i = 0; i < 4; ++i)
            wizard.ComboBox2->activated(1);
        QCOMPARE(list->columnWidth(0), 288);
        for (int i = 0; i < 4; ++i) {
            list->setCurrentItem(list->topLevelItem(2));
            wizard.Button5->click();
        }
        QCOMPARE(list->columnWidth(0), 305);

        wizard.CheckBox1->setChecked(true);
        wizard.okButton()->click();
        QCOMPARE(doc.editor.text(),
                 QStringLiteral(
                     "a <b><font Face=\"Arial, Helvetica, sans-serif,Verdana\">word</font></b> b"));
        QVERIFY(wizard.isHidden());
    }

    void objectCaret()
    {
        Document doc;
        doc.load("    x", 1, 6);
        TMediaForm wizard(doc.host());
        wizard.Edit1->setText("10");
        wizard.okButton()->click();
        QCOMPARE(doc.editor.lines(),
                 (QStringList {"    x<object Width=\"10\">", "", "    </object>"}));
        QCOMPARE(doc.editor.caretLine(), 2);
        QCOMPARE(doc.editor.caretColumn(), 9);
    }

    void rule()
    {
        Document doc;
        THorisontalLinjalFrm wizard(doc.host());
        wizard.ComboBox1->setCurrentIndex(2);
        wizard.Edit2->setText("2");
        wizard.CheckBox1->setChecked(true);
        wizard.okButton()->click();
        QCOMPARE(doc.editor.text(), QStringLiteral("<hr alignment=\"center\" Size=\"2\" noshade>"));
    }

    // In the main window: the openers are enabled, each call makes a new wizard freed when
    // closed; OK with no document inserts nothing and closes; with one it writes there.
    void mainWindowOpeners()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        const QList<std::tuple<const char *, const char *, QString>> openers {
            {"Comment3", "SpeedButton34", "Comment:"},
            {"able2", "SpeedButton35", "Table wizard:"},
            {"OrderedLists1", "SpeedButton53", "Ordered list"},
            {"Unorderedlist2", "SpeedButton52", "Unordered list"},
            {"Popupmenu8", "SpeedButton28", "Popup menu wizard"},
            {"Fontwizard1", "SpeedButton48", "Font - Wizard:"},
            {"Objectwizard1", "SpeedButton51", "Object wizard:"},
            {"Horisontalruler2", "SpeedButton54", "Horisontal ruler"},
        };
        QVERIFY(main->documentWindows().isEmpty());
        for (const auto &[item, button, caption] : openers) {
            QAction *action = main->action(QLatin1String(item));
            auto *tool = fixture.page(Page::Html)->findChild<QToolButton *>(QLatin1String(button));
            QVERIFY2(action->isEnabled() && tool->isEnabled(), item);
            action->trigger();
            tool->click();
            const QList<WizardDialog *> wizards = main->findChildren<WizardDialog *>();
            QCOMPARE(wizards.size(), 2);
            for (WizardDialog *wizard : wizards) {
                QCOMPARE(wizard->windowTitle(), caption);
                QVERIFY(wizard->isVisible());
                QVERIFY(wizard->testAttribute(Qt::WA_DeleteOnClose));
                wizard->okButton()->click();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(main->findChildren<WizardDialog *>().isEmpty());
        }
        QVERIFY(main->documentWindows().isEmpty());
        QVERIFY(fixture.prompter.calls.isEmpty());

        // With a document: the wizard writes into the one active at OK.
        main->action("HTMLdocument1")->trigger();
        main->action("able2")->trigger();
        auto *table = main->findChild<TTableForm *>();
        table->Edit1->setText("0");
        main->action("HTMLdocument1")->trigger();
        TEditForm *active = fixture.active();
        active->SynEdit1->setText("  ");
        active->SynEdit1->setCaret(1, 3);
        table->okButton()->click();
        QCOMPARE(active->SynEdit1->lines(),
                 (QStringList {"  <table width=\"75%\" border=\"1\">", "  </table>"}));
        QVERIFY(active->IsModified);
    }
};

QTEST_MAIN(TestHtmlWizards)
#include "tst_htmlwizards.moc"
