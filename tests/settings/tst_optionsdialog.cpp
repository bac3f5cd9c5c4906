// The Options dialog: opening, reading the settings file, the page behaviours, OK and Help.
#include "OptionsKit.h"
#include "ScintillaOf.h"
#include "editor/highlighting/Highlighter.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "platform/HelpViewer.h"
#include "platform/MakerWebPage.h"
#include "settings/options/ColorPanel.h"
#include "settings/options/MouseUpCheckBox.h"
#include "settings/options/OptionsApplicationPage.h"
#include "settings/options/OptionsColorsPage.h"
#include "settings/options/OptionsCompilerPage.h"
#include "settings/options/OptionsEditorPage.h"
#include "settings/options/OptionsSpellPage.h"
#include "shell/explorer/ExplorerFolderList.h"
#include "shell/explorer/FolderChooser.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckFeature.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <Qsci/qscilexer.h>

namespace {

// Every key OK writes into the four sections of the dialog, and the Java colour sections.
const QStringList applicationKeys {
    "ViewSecialChars",   "ShowPrintLnNr", "NameOfPrntDoc",      "ShowColorHighltPrint",
    "WarnBeforeClose",   "AutoSave",      "AutoSaveInterval",   "PrintDate",
    "PrintTime",         "PrintHeader",   "PrintFooter",        "PrintPageNum",
    "TmpltCodeOnNewDoc", "JavaQuickFind", "JavaAppsInDosWindow"};
const QStringList compilerKeys {
    "ClassPathDir", "JavaBinDir",      "AllDebugInfo",       "NoDebugInfo",      "VerboseOutput",
    "DisableVarn",  "SelDebugLineNum", "SelDebugSourceFile", "SelDebugLocalVar", "DebugGenOptions"};
const QStringList editorKeys {"FontType",        "FontSize",      "BGColor",    "GTRColor",
                              "ShowLineNumbers", "ShowGutter",    "GutterSize", "LeadingZeros",
                              "CompProposal",    "AutoCompletion"};
const QStringList spellKeys {"DictLanguage",       "UnderlineColor",   "AutoSpellCheck",
                             "IgnoreWordsWithNum", "IgnoreSingleChar", "ShowHourglass"};
const QStringList javaSections {"Comment",        "Documentation", "Identifier",
                                "Invalid symbol", "Reserved word", "Number",
                                "Space",          "String",        "Symbol"};

QSet<QString> keysOf(const QString &iniFile, const QString &section)
{
    const QStringList keys = IniFile(iniFile).readSection(section);
    return QSet<QString>(keys.begin(), keys.end());
}

// What the gutter shows at a line (1-based) once the view is painted.
QString gutterText(EditorAdapter *editor, int line)
{
    QsciScintilla *sci = scintillaOf(*editor);
    sci->viewport()->repaint();
    switch (sci->marginType(0)) {
    case QsciScintilla::NumberMargin: return QString::number(line);
    case QsciScintilla::TextMargin:
    case QsciScintilla::TextMarginRightJustified: {
        QByteArray text(64, '\0');
        const long n = sci->SendScintilla(QsciScintillaBase::SCI_MARGINGETTEXT, line - 1,
                                          static_cast<void *>(text.data()));
        return QString::fromUtf8(text.left(n));
    }
    default: return QString();
    }
}

QSet<QString> setOf(const QStringList &list)
{
    return QSet<QString>(list.begin(), list.end());
}

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT
private slots:
    void pagesAndEachReadersDefault();
    void readsHandWrittenSettings();
    void firstRunSeeding_data();
    void firstRunSeeding();
    void oneDialogAtATime();
    void debugBoxesClearEachOtherByMouseOnly();
    void findFolderAndHelp();
    void otherDictionariesQuestion();
    void okWithoutDocumentWritesEveryKey();
    void okWithJavaDocument();
    void okFontAndGutterTexts();
    void leadingZerosInEveryDocument();
    void okDebugOptions_data();
    void okDebugOptions();
    void okOtherSkipsSpellCheck();
    void okSwitchesDictionary();
    void failedCommitIsReportedOnce();
};

void TestOptionsDialog::pagesAndEachReadersDefault()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("Options"));
    QCOMPARE(d->parentWidget(), f.main.get());
    QVERIFY(!d->isModal());
    QVERIFY(d->isVisible());
    QStringList captions;
    for (int i = 0; i < d->PageControl1->count(); ++i)
        captions << d->PageControl1->tabText(i);
    QCOMPARE(captions,
             QStringList({"Editor", "Compiler", "Application", "Shortcuts", "Comp. proposal",
                          "Syn.Higlighting", "Auto completion", "Spell Checker"}));
    QCOMPARE(f.main->action("Options2")->text(), QStringLiteral("Options.."));
    // It opens on its page tabs, not on OK.
    QTRY_COMPARE(QApplication::focusWidget(), d->PageControl1->tabBar());

    OptionsEditorPage *e = d->editorPage;
    QCOMPARE(e->Fonts->currentText(), QStringLiteral("Courier New"));
    QVERIFY(e->pickedFont().isEmpty());
    QVERIFY(e->Fonts->count() > 0);
    QCOMPARE(e->FontSize->text(), QStringLiteral("10"));
    QCOMPARE(e->GutterSizeEdField->text(), QStringLiteral("52"));
    QVERIFY(e->ShowGutterCbx->isChecked() && e->GutterSizeEdField->isEnabled());
    QVERIFY(!e->ShowLineNrsCbx->isChecked() && !e->LeedingZeroCbx->isChecked());
    QVERIFY(e->CompPropCbx->isChecked() && e->AutoCompCbx->isChecked());
    QCOMPARE(e->panelGRTColor->color(), TColor::clBtnFace);
    QCOMPARE(e->PanelBGColor->color(), TColor::clWhite);

    OptionsCompilerPage *c = d->compilerPage;
    QCOMPARE(c->ClassPathDir->text(), QStringLiteral("."));
    QCOMPARE(c->JavaBinDir->text(), QString());
    const CompilerOptionsText::Boxes b = c->boxes();
    QVERIFY(b.allDebugInfo && b.verbose);
    QVERIFY(!b.noDebugInfo && !b.disableWarnings && !b.lineNumbers && !b.sourceFile
            && !b.localVariables);

    OptionsApplicationPage *a = d->applicationPage;
    const QList<QPair<QCheckBox *, bool>> boxes {
        {a->ViewSpecialCharCbx, false}, {a->ShowPrintLnNrCbx, false},
        {a->NameOfPrntDocCbx, true},    {a->ShowColorHighltPrintCbx, true},
        {a->cbPrintDate, false},        {a->cbPrintTime, false},
        {a->cbPrintShadedHeader, true}, {a->cbPrintShadedFooter, true},
        {a->cbShowPageNumbers, true},   {a->WarnBeforeCloseCbx, true},
        {a->AutoSaveCbx, false},        {a->InsTmplCodeOnNewDoc, true},
        {a->ShowJavaQuickFind, true},   {a->RJavaAppsDosWindow, false}};
    for (const auto &[box, checked] : boxes)
        QVERIFY2(box->isChecked() == checked, qPrintable(box->objectName()));
    QCOMPARE(a->AutoSaveIntervalEdt->text(), QString());
    QVERIFY(!a->AutoSaveIntervalEdt->isEnabled() && !a->EveryLbl->isEnabled());

    OptionsSpellPage *s = d->spellPage;
    QCOMPARE(s->ComboBox1->currentText(), QString()); // no English dictionary installed
    QCOMPARE(s->ComboBox1->itemText(s->ComboBox1->count() - 1), QStringLiteral("Other.."));
    QVERIFY(s->CheckBox1->isChecked());
    QVERIFY(!s->CheckBox7->isChecked() && !s->CheckBox13->isChecked()
            && !s->CheckBox14->isChecked());
    QCOMPARE(s->Panel1->color(), TColor::clRed);

    // No "colors/toc.col": no presets. No document: no Java sections, but "FirstRun" goes.
    QCOMPARE(d->colorsPage->ComboBox2->count(), 0);
    QCOMPARE(f.stored("SynHighlOptions", "FirstRun"), QStringLiteral("0"));
    QVERIFY(!f.storedSection("Comment"));
    // The Java colour file was made from the dialog's Java highlighter.
    QVERIFY(keysOf(f.path("colors/lang/Java.ini"), "Reserved word").contains("Style"));
}

void TestOptionsDialog::readsHandWrittenSettings()
{
    OptionsKit f("[EditorOptions]\r\nFontType=Fancy Mono\r\nFontSize=abc\r\nShowGutter=0\r\n"
                 "GTRColor=clRed\r\nBGColor=$00112233\r\n"
                 "[ApplicationOptions]\r\nAutoSave=1\r\nAutoSaveInterval=5\r\nPrintDate=1\r\n"
                 "[CompilerOptions]\r\nClassPathDir=/opt/lib:.\r\nAllDebugInfo=0\r\n"
                 "[SpellCheck]\r\nDictLanguage=Norsk\r\nUnderlineColor=clBlue\r\n");
    f.write("dictionaries/english.1-0-0.dic", "hello\n");
    f.start();
    TOptionsFrm *d = f.open();
    QCOMPARE(d->editorPage->Fonts->currentText(), QStringLiteral("Fancy Mono"));
    QCOMPARE(d->editorPage->FontSize->text(), QStringLiteral("abc"));
    QVERIFY(!d->editorPage->ShowGutterCbx->isChecked());
    QVERIFY(!d->editorPage->GutterSizeEdField->isEnabled());
    QVERIFY(!d->editorPage->GutterSizeLbl->isEnabled());
    QCOMPARE(d->editorPage->panelGRTColor->color(), TColor::clRed);
    QCOMPARE(d->editorPage->PanelBGColor->color(), TColor(0x00112233));
    QVERIFY(d->applicationPage->AutoSaveIntervalEdt->isEnabled());
    QVERIFY(d->applicationPage->MinLbl->isEnabled());
    QCOMPARE(d->applicationPage->AutoSaveIntervalEdt->text(), QStringLiteral("5"));
    QVERIFY(d->applicationPage->cbPrintDate->isChecked());
    QCOMPARE(d->compilerPage->ClassPathDir->text(), QStringLiteral("/opt/lib:."));
    QVERIFY(!d->compilerPage->AllDebugInfoCbx->isChecked());
    QCOMPARE(d->spellPage->ComboBox1->currentText(), QStringLiteral("Norsk"));
    QCOMPARE(d->spellPage->Panel1->color(), TColor::clBlue);
    QCOMPARE(d->spellPage->ComboBox1->itemText(0), QStringLiteral("English"));

    // Without "DictLanguage" an installed English dictionary is shown.
    d->close();
    QVERIFY(IniFile(f.path("qmEditor.ini")).deleteKey("SpellCheck", "DictLanguage"));
    QCOMPARE(f.open()->spellPage->ComboBox1->currentText(), QStringLiteral("English"));
}

void TestOptionsDialog::firstRunSeeding_data()
{
    QTest::addColumn<QString>("document"); // "", "java", "html"
    QTest::addColumn<bool>("firstRun");
    QTest::addColumn<int>("comment"); // expected "Comment" foreground in the file, -1: none
    QTest::newRow("no document") << "" << true << -1;
    QTest::newRow("Java document") << "java" << true << 0x00123456;
    QTest::newRow("HTML document") << "html" << true << 0x000000FF;
    QTest::newRow("seeded before") << "java" << false << 0x00ABCDEF;
}

void TestOptionsDialog::firstRunSeeding()
{
    QFETCH(QString, document);
    QFETCH(bool, firstRun);
    QFETCH(int, comment);
    OptionsKit f(firstRun ? QByteArray()
                          : QByteArray("[SynHighlOptions]\r\nFirstRun=0\r\n"
                                       "[Comment]\r\nForeground=11259375\r\n"));
    // The user's Java colour file.
    f.write("colors/lang/Java.ini", "[Comment]\r\nForeground=255\r\n");
    f.start();
    if (document == "java") {
        f.main->action("NyApplikasjonkode1")->trigger();
        Highlighter *h = f.active()->editor()->highlighter();
        const int i = h->indexOfAttribute("Comment");
        const HighlighterAttribute a = h->attribute(i);
        h->setAttribute(i, TColor(0x00123456), a.background, a.style);
    } else if (document == "html") {
        f.main->action("HTMLdocument1")->trigger();
    }
    TOptionsFrm *d = f.open();
    QCOMPARE(f.stored("SynHighlOptions", "FirstRun"), QStringLiteral("0"));
    if (comment < 0) {
        QVERIFY(!f.storedSection("Comment"));
    } else {
        QCOMPARE(f.stored("Comment", "Foreground").toInt(), comment);
        // Only the Java sections: never another language's attributes.
        QVERIFY(!f.storedSection("Escape"));
    }
    // The dialog's Java colours: the settings file's, over the colour file's.
    Highlighter *java = d->colorsPage->SynJavaSyn1;
    QCOMPARE(java->attribute(java->indexOfAttribute("Comment")).foreground.value(),
             comment < 0 ? 255 : comment);
}

void TestOptionsDialog::oneDialogAtATime()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *first = f.open();
    first->editorPage->FontSize->setText("13");
    QCOMPARE(f.open(), first);
    QCOMPARE(first->editorPage->FontSize->text(), QStringLiteral("13"));
    QCOMPARE(f.main->findChildren<TOptionsFrm *>().size(), 1);
    // Cancel drops it; the next opening reads afresh.
    QPointer<TOptionsFrm> gone(first);
    first->Button2->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!gone);
    TOptionsFrm *second = f.open();
    QVERIFY(second);
    QCOMPARE(second->editorPage->FontSize->text(), QStringLiteral("10"));
    QCOMPARE(f.stored("EditorOptions", "FontSize"), QStringLiteral("<none>"));
}

void TestOptionsDialog::debugBoxesClearEachOtherByMouseOnly()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    d->PageControl1->setCurrentIndex(1);
    OptionsCompilerPage *c = d->compilerPage;
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const auto ticked = [c] {
        QStringList names;
        for (QCheckBox *b : c->findChildren<QCheckBox *>())
            if (b->isChecked())
                names << b->objectName();
        names.sort();
        return names;
    };
    const auto click = [](QCheckBox *box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    };
    click(c->NoDebugInfoCbx);
    QCOMPARE(ticked(), QStringList({"NoDebugInfoCbx", "VerboseOutputCbx"}));
    click(c->SelDebugLineNumCbx);
    click(c->SelDebugLocalVarCbx);
    QCOMPARE(ticked(),
             QStringList({"SelDebugLineNumCbx", "SelDebugLocalVarCbx", "VerboseOutputCbx"}));
    // By the keyboard nothing is cleared.
    c->AllDebugInfoCbx->setFocus();
    QTest::keyClick(c->AllDebugInfoCbx, Qt::Key_Space);
    QCOMPARE(ticked(),
             QStringList({"AllDebugInfoCbx", "SelDebugLineNumCbx", "SelDebugLocalVarCbx",
                          "VerboseOutputCbx"}));
    click(c->AllDebugInfoCbx); // off, and clears
    QCOMPARE(ticked(), QStringList({"VerboseOutputCbx"}));
}

void TestOptionsDialog::findFolderAndHelp()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    // "Find..": the folder dialog; OK takes the folder selected in its list.
    const QString folder = f.folder.path() + "jdk";
    QDir().mkpath(folder + "/bin");
    f.subDialogs << [](QDialog &) { return int(QDialog::Rejected); };
    f.subDialogs << [&folder](QDialog &dialog) {
        auto *chooser = qobject_cast<TVelgKatalogFrm *>(&dialog);
        chooser->DirectoryListBox1->setDirectory(folder);
        chooser->DirectoryListBox1->selectFolder(folder + "/bin");
        return int(QDialog::Accepted);
    };
    d->compilerPage->JavaBinDir->setText("/old");
    d->compilerPage->Button11->click();
    QCOMPARE(d->compilerPage->JavaBinDir->text(), QStringLiteral("/old"));
    d->compilerPage->Button11->click();
    QCOMPARE(d->compilerPage->JavaBinDir->text(), folder + "/bin");
    QCOMPARE(f.subDialogTitles, QStringList({"Select directory", "Select directory"}));

    // Help: the topic of the page shown.
    for (int page = 0; page < 8; ++page) {
        d->PageControl1->setCurrentIndex(page);
        d->Button9->click();
    }
    QCOMPARE(f.help.pages,
             QStringList({"HID_OPTEDITOR", "HID_OPTCOMPILER", "HID_APPLICATIONOPT",
                          "HID_OPTSHORTCUT", "HID_COMLETIONTUTORIAL", "HID_SYNHIGOPT",
                          "HID_AUTOCOMLETION", "HID_SPELLCHECKOPT"}));
    QCOMPARE(HelpViewer::helpFile(), f.path("qmEditor.hlp"));
}

void TestOptionsDialog::otherDictionariesQuestion()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    QComboBox *box = d->spellPage->ComboBox1;
    const int other = box->findText("Other..");
    f.prompter.answers << Prompter::Yes << Prompter::No;
    for (int i = 0; i < 2; ++i) {
        box->setCurrentIndex(other);
        emit box->activated(other);
    }
    QCOMPARE(f.prompter.calls.size(), 2);
    const FakePrompter::Call &ask = f.prompter.calls.first();
    QCOMPARE(ask.caption, QStringLiteral("Information"));
    QCOMPARE(ask.text,
             QStringLiteral("You can download dictionaries for the following languages from the "
                            "program webpage: czech, danish, dutch, italian, japanese, latin, "
                            "norwegian, polish, russian and turkish. Do you want to visit the "
                            "program homepage to download one of these languages?"));
    QCOMPARE(ask.icon, Prompter::Information);
    QCOMPARE(ask.buttons, Prompter::YesButton | Prompter::NoButton);
    QCOMPARE(f.shell.calls.size(), 1); // Yes only
    QCOMPARE(f.shell.calls.first().target, QString::fromLatin1(MakerWebPage));
    QCOMPARE(box->currentText(), QStringLiteral("Other.."));
}

void TestOptionsDialog::okWithoutDocumentWritesEveryKey()
{
    OptionsKit f;
    f.start();
    QVERIFY(OptionsKit::ok(f.open()));
    const QString ini = f.path("qmEditor.ini");
    QCOMPARE(keysOf(ini, "ApplicationOptions"), setOf(applicationKeys));
    QCOMPARE(keysOf(ini, "CompilerOptions"), setOf(compilerKeys));
    QCOMPARE(keysOf(ini, "EditorOptions"), setOf(editorKeys));
    QCOMPARE(keysOf(ini, "SpellCheck"), setOf(spellKeys));
    for (const QString &section : javaSections)
        QCOMPARE(keysOf(ini, section), QSet<QString>({"Background", "Foreground", "Style"}));
    // The dialog's defaults go back: dates unticked, the class path ".", empty interval.
    QCOMPARE(f.stored("ApplicationOptions", "PrintDate"), QStringLiteral("0"));
    QCOMPARE(f.stored("ApplicationOptions", "AutoSaveInterval"), QString());
    QCOMPARE(f.stored("CompilerOptions", "ClassPathDir"), QStringLiteral("."));
    QCOMPARE(f.stored("EditorOptions", "GTRColor"), QStringLiteral("clBtnFace"));
    QCOMPARE(f.stored("EditorOptions", "FontType"), QStringLiteral("Courier New"));
    // The template file is made, and the colour file of the selected tab written.
    QVERIFY(QFile::exists(f.path("completion/auto.cmp")));
    QVERIFY(QFile::exists(f.path("colors/lang/Java.ini")));
}

void TestOptionsDialog::okWithJavaDocument()
{
    OptionsKit f;
    f.start();
    f.main->action("NyApplikasjonkode1")->trigger();
    EditorAdapter *editor = f.active()->editor();
    QAction *lineNumbers = f.main->action("Linenumbers1");
    QAction *special = f.main->action("Specialcharacters1");
    const bool lineNumbersBefore = lineNumbers->isChecked();
    const bool specialBefore = special->isChecked();

    TOptionsFrm *d = f.open();
    OptionsEditorPage *e = d->editorPage;
    const int entry = e->Fonts->findText(QFontDatabase::families().last());
    e->Fonts->setCurrentIndex(entry);
    e->FontSize->setText("15");
    e->GutterSizeEdField->setText("30");
    e->PanelBGColor->setColor(TColor(0x00E0FFFF));
    e->panelGRTColor->setColor(TColor::clSilver);
    e->ShowLineNrsCbx->setChecked(!lineNumbersBefore);
    e->CompPropCbx->setChecked(false);
    d->applicationPage->ViewSpecialCharCbx->setChecked(!specialBefore);
    d->applicationPage->ShowJavaQuickFind->setChecked(false);
    // A new Java comment colour.
    Highlighter *java = d->colorsPage->SynJavaSyn1;
    const int comment = java->indexOfAttribute("Comment");
    java->setAttribute(comment, TColor(0x000080FF), TColor::clNone, Highlighter::Bold);

    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(editor->editorFont().family(), QFontDatabase::families().last());
    QCOMPARE(editor->editorFont().pointSize(), 15);
    QCOMPARE(scintillaOf(*editor)->marginWidth(0), 30);
    QCOMPARE(scintillaOf(*editor)->lexer()->defaultPaper(), QColor(0xFF, 0xFF, 0xE0));
    // The View commands ran: their checks follow the boxes, and the keys hold the boxes.
    QCOMPARE(lineNumbers->isChecked(), !lineNumbersBefore);
    QCOMPARE(editor->showLineNumbers(), !lineNumbersBefore);
    QCOMPARE(special->isChecked(), !specialBefore);
    QCOMPARE(f.stored("EditorOptions", "ShowLineNumbers"), QString(lineNumbersBefore ? "0" : "1"));
    QCOMPARE(f.stored("ApplicationOptions", "ViewSecialChars"), QString(specialBefore ? "0" : "1"));
    QVERIFY(!f.main->action("CompletionProposal1")->isChecked());
    QVERIFY(f.main->action("Autocompletion1")->isChecked());
    QVERIFY(!f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));
    // The Java sections and the document's highlighter hold the new comment colour.
    QCOMPARE(f.stored("Comment", "Foreground"), QString::number(0x000080FF));
    QCOMPARE(f.stored("Comment", "Style"), QStringLiteral("1"));
    Highlighter *own = editor->highlighter();
    QCOMPARE(own->attribute(own->indexOfAttribute("Comment")).foreground, TColor(0x000080FF));
    QCOMPARE(IniFile(f.path("colors/lang/Java.ini")).readInteger("Comment", "Foreground", 0),
             0x000080FF);
    QCOMPARE(f.stored("EditorOptions", "BGColor"), QStringLiteral("$00E0FFFF"));
    QCOMPARE(f.stored("EditorOptions", "GTRColor"), QStringLiteral("clSilver"));
}

void TestOptionsDialog::okFontAndGutterTexts()
{
    OptionsKit f;
    f.start();
    f.main->action("Textfile1")->trigger(); // a text document: no highlighter to reload
    EditorAdapter *editor = f.active()->editor();
    const QFont before = editor->editorFont();
    TOptionsFrm *d = f.open();
    d->editorPage->Fonts->setEditText("No Such Font");
    d->editorPage->FontSize->setText("big");
    d->editorPage->GutterSizeEdField->setText("wide");
    d->editorPage->PanelBGColor->setColor(TColor::clYellow);
    d->compilerPage->NoDebugInfoCbx->setChecked(true);
    QVERIFY(OptionsKit::ok(d));
    // Written as typed, not applied; the later steps ran.
    QCOMPARE(f.stored("EditorOptions", "FontType"), QStringLiteral("No Such Font"));
    QCOMPARE(f.stored("EditorOptions", "FontSize"), QStringLiteral("big"));
    QCOMPARE(f.stored("EditorOptions", "GutterSize"), QStringLiteral("wide"));
    QCOMPARE(editor->editorFont().family(), before.family());
    QCOMPARE(editor->editorFont().pointSize(), before.pointSize());
    QCOMPARE(scintillaOf(*editor)->paper(), QColor(Qt::yellow));
    QCOMPARE(f.stored("CompilerOptions", "DebugGenOptions"), QStringLiteral("-g:none -verbose"));
    // An empty font box writes nothing.
    d = f.open();
    d->editorPage->Fonts->setEditText(QString());
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(f.stored("EditorOptions", "FontType"), QStringLiteral("No Such Font"));

    // A typed name an installed font has is not applied either, though Enter, which presses
    // OK, has the box select its entry.
    QString installed;
    for (const QString &family : QFontDatabase::families())
        if (family != before.family())
            installed = family;
    QPointer<TOptionsFrm> typedInto = f.open();
    QLineEdit *fontName = typedInto->editorPage->Fonts->lineEdit();
    fontName->clear();
    QTest::keyClicks(fontName, installed);
    QTest::keyClick(fontName, Qt::Key_Return);
    QVERIFY(!typedInto || !typedInto->isVisible());
    QCOMPARE(f.stored("EditorOptions", "FontType"), installed);
    QCOMPARE(editor->editorFont().family(), before.family());
}

// "Show leading zeros on line numbers": after OK the line numbers of every document are padded
// to the width of its highest one, in documents made later too; unticked, plain again.
void TestOptionsDialog::leadingZerosInEveryDocument()
{
    OptionsKit f("[EditorOptions]\r\nShowLineNumbers=1\r\n");
    f.start();
    FeatureHost &host = *f.features().host;
    host.openFile(f.write("big.txt", QByteArray(119, '\n'))); // lines 1 to 120
    HostDocument *bigDocument = host.activeDocument();
    EditorAdapter *big = bigDocument->editor();
    f.main->action("Textfile1")->trigger();
    EditorAdapter *small = host.activeEditor();
    QCOMPARE(gutterText(big, 7), QStringLiteral("7"));

    TOptionsFrm *d = f.open();
    d->editorPage->LeedingZeroCbx->setChecked(true);
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(f.stored("EditorOptions", "LeadingZeros"), QStringLiteral("1"));
    QCOMPARE(gutterText(big, 7), QStringLiteral("007"));
    QVERIFY(!bigDocument->isModified());
    QCOMPARE(gutterText(big, 12), QStringLiteral("012"));
    // Scrolled, and with lines added above: the numbers in view are those of their lines.
    big->setFirstVisibleLine(100);
    QCOMPARE(gutterText(big, 110), QStringLiteral("110"));
    big->setFirstVisibleLine(1);
    big->setCaret(1, 1);
    big->insertAtCaret(QStringLiteral("\n\n"));
    QCOMPARE(gutterText(big, 12), QStringLiteral("012"));
    QCOMPARE(gutterText(small, 1), QStringLiteral("1"));
    f.main->action("Textfile1")->trigger();
    EditorAdapter *later = host.activeEditor();
    later->insertAtCaret(QString(11, u'\n'));
    QCOMPARE(gutterText(later, 3), QStringLiteral("03"));

    d = f.open();
    d->editorPage->LeedingZeroCbx->setChecked(false);
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(gutterText(big, 7), QStringLiteral("7"));
    QCOMPARE(gutterText(later, 3), QStringLiteral("3"));
}

void TestOptionsDialog::okDebugOptions_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("options");
    QTest::newRow("defaults") << QStringList({"AllDebugInfoCbx", "VerboseOutputCbx"})
                              << "-g -verbose";
    QTest::newRow("none") << QStringList({"NoDebugInfoCbx"}) << "-g:none";
    QTest::newRow("lines, vars, no warnings")
        << QStringList({"SelDebugLineNumCbx", "SelDebugLocalVarCbx", "DisableVarnCbx"})
        << "-g:lines,vars -nowarn ";
    QTest::newRow("selection") << QStringList(
        {"SelDebugLineNumCbx", "SelDebugSourceFileCbx", "SelDebugLocalVarCbx"})
                               << "-g:lines,source,vars";
    QTest::newRow("nothing") << QStringList() << "-g:";
}

void TestOptionsDialog::okDebugOptions()
{
    QFETCH(QStringList, ticked);
    QFETCH(QString, options);
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    for (QCheckBox *box : d->compilerPage->findChildren<QCheckBox *>())
        box->setChecked(ticked.contains(box->objectName()));
    QVERIFY(OptionsKit::ok(d));
    // As written, trailing blank included (readers trim it).
    QVERIFY2(f.iniText().contains("DebugGenOptions=" + options.toLatin1() + "\r\n"),
             f.iniText().constData());
    for (const QString &name : ticked)
        QCOMPARE(f.stored("CompilerOptions", name.chopped(3)), QStringLiteral("1"));
}

void TestOptionsDialog::okOtherSkipsSpellCheck()
{
    OptionsKit f("[SpellCheck]\r\nAutoSpellCheck=1\r\n");
    f.start();
    TOptionsFrm *d = f.open();
    d->spellPage->ComboBox1->setEditText("Other..");
    d->spellPage->CheckBox1->setChecked(false);
    d->spellPage->Panel1->setColor(TColor::clGreen);
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(keysOf(f.path("qmEditor.ini"), "SpellCheck"), QSet<QString>({"AutoSpellCheck"}));
    QCOMPARE(f.stored("SpellCheck", "AutoSpellCheck"), QStringLiteral("1"));
    QVERIFY(f.features().spelling->checker()->options().testFlag(TSpellCheck::sscoAutoSpellCheck));
    QVERIFY(f.storedSection("EditorOptions")); // the rest was written
}

void TestOptionsDialog::okSwitchesDictionary()
{
    OptionsKit f;
    f.write("dictionaries/english.1-0-0.dic", "hello\nworld\n");
    f.write("dictionaries/german.1-0-0.dic", "hallo\nwelt\n");
    f.start();
    f.main->action("Textfile1")->trigger();
    TSpellCheck *checker = f.features().spelling->checker();
    QVERIFY(checker->isWordCorrect(u"hello"));
    checker->addWord("zebra"); // gone only when the dictionary is loaded again

    // The same language in another case, or a part of it: nothing is loaded.
    TOptionsFrm *d = f.open();
    d->spellPage->ComboBox1->setEditText("ENGLISH");
    QVERIFY(OptionsKit::ok(d));
    QVERIFY(checker->isWordCorrect(u"zebra"));

    // Another language: its words in place of the old ones.
    d = f.open();
    QCOMPARE(d->spellPage->ComboBox1->itemText(1), QStringLiteral("German"));
    d->spellPage->ComboBox1->setEditText("German");
    d->spellPage->Panel1->setColor(TColor::clBlue);
    QVERIFY(OptionsKit::ok(d));
    QVERIFY(checker->isWordCorrect(u"hallo"));
    QVERIFY(!checker->isWordCorrect(u"hello"));
    QCOMPARE(checker->penColor(), TColor::clBlue);
    QCOMPARE(f.stored("SpellCheck", "DictLanguage"), QStringLiteral("German"));

    // No dictionary for it: said, the old words stay, the later steps run.
    d = f.open();
    d->spellPage->ComboBox1->setEditText("Klingon");
    d->compilerPage->VerboseOutputCbx->setChecked(false);
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(f.prompter.texts(), QStringList({TSpellCheck::languageNotFoundText("Klingon")}));
    QVERIFY(checker->isWordCorrect(u"hallo"));
    QCOMPARE(f.stored("CompilerOptions", "DebugGenOptions"), QStringLiteral("-g"));
}

// Nothing beside the program can be written: each opening and each OK says so once, naming
// every file; the settings file alone keeps the dialog open.
void TestOptionsDialog::failedCommitIsReportedOnce()
{
    OptionsKit f;
    f.start();
    // Plain files where the colour and template folders should be, a folder in place of the
    // settings file.
    QDir(f.path("colors")).removeRecursively();
    QDir(f.path("completion")).removeRecursively();
    f.write("colors", "x");
    f.write("completion", "x");
    QFile::remove(f.path("qmEditor.ini"));
    QDir().mkpath(f.path("qmEditor.ini"));
    // One message, each file in it followed by a reason.
    const auto names = [&f](const QStringList &files) {
        const QString text = f.prompter.calls.value(0).text;
        bool all = f.prompter.calls.size() == 1;
        for (const QString &file : files) {
            const QString at = f.path(file) + (files.size() == 1 ? "\n" : ": ");
            const qsizetype reason = text.indexOf(at) + at.size();
            all = all && reason >= at.size() && reason < text.size() && text.at(reason) != u'\n';
        }
        f.prompter.calls.clear();
        return all;
    };
    TOptionsFrm *d = f.open();
    QVERIFY(names({"colors/lang/Java.ini", "qmEditor.ini"}));
    d->editorPage->FontSize->setText("12");
    QVERIFY(!OptionsKit::ok(d));
    QVERIFY(names({"completion/auto.cmp", "colors/lang/Java.ini", "qmEditor.ini"}));
    // The dialog keeps what was chosen; once the settings file can be written, OK closes it.
    QDir(f.path("qmEditor.ini")).removeRecursively();
    QVERIFY(OptionsKit::ok(d));
    QVERIFY(names({"completion/auto.cmp", "colors/lang/Java.ini"}));
    QCOMPARE(f.stored("EditorOptions", "FontSize"), QStringLiteral("12"));
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
