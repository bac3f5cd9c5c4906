#include "settings/options/OptionsFrmUnit.h"

#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "platform/AppPaths.h"
#include "platform/DelphiStrings.h"
#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "settings/files/ColourSections.h"
#include "settings/files/CompilerOptionsText.h"
#include "settings/files/CompletionFiles.h"
#include "settings/options/ColorPanel.h"
#include "settings/options/MouseUpCheckBox.h"
#include "settings/options/OptionsApplicationPage.h"
#include "settings/options/OptionsClassPage.h"
#include "settings/options/OptionsColorsPage.h"
#include "settings/options/OptionsCompilerPage.h"
#include "settings/options/OptionsEditorPage.h"
#include "settings/options/OptionsShortcutPage.h"
#include "settings/options/OptionsSpellChecker.h"
#include "settings/options/OptionsSpellPage.h"
#include "settings/options/OptionsTemplatePage.h"
#include "settings/store/AppSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using Settings::Key;
using Settings::Reader;

TOptionsFrm::TOptionsFrm(FeatureHost &host, OptionsSpellChecker *checker, OptionsHooks hooks,
                         ExecDialog exec, QWidget *parent)
    : QDialog(parent), m_host(host), m_checker(checker), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("OptionsFrm"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(false);

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    editorPage = named(new OptionsEditorPage(PageControl1), "TabSheet1");
    compilerPage = named(new OptionsCompilerPage(m_hooks.chooseFolder, PageControl1), "TabSheet2");
    applicationPage = named(new OptionsApplicationPage(PageControl1), "TabSheet3");
    TabSheet4 = named(new OptionsShortcutPage(exec, PageControl1), "TabSheet4");
    connect(TabSheet4, &OptionsShortcutPage::shortcutConfirmed, this,
            [this] { ShortcutsChanged = true; });
    classPage = named(new OptionsClassPage(PageControl1), "TabSheet5");
    colorsPage = named(new OptionsColorsPage(PageControl1), "TabSheet6");
    templatePage = named(new OptionsTemplatePage(PageControl1), "TabSheet7");
    spellPage =
        named(new OptionsSpellPage(
                  checker, [this] { return m_host.activeDocument() != nullptr; }, PageControl1),
              "TabSheet8");
    colorsPage->setUpLanguages(m_hooks, exec);
    colorsPage->setWriteFailureReporter([this](const QString &fileName, const QString &reason) {
        reportWriteFailure(fileName, reason);
    });
    if (exec)
        templatePage->setExecDialog(std::move(exec));
    PageControl1->addTab(editorPage, QStringLiteral("Editor"));
    PageControl1->addTab(compilerPage, QStringLiteral("Compiler"));
    PageControl1->addTab(applicationPage, QStringLiteral("Application"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Shortcuts"));
    PageControl1->addTab(classPage, QStringLiteral("Comp. proposal"));
    PageControl1->addTab(colorsPage, QStringLiteral("Syn.Higlighting"));
    PageControl1->addTab(templatePage, QStringLiteral("Auto completion"));
    PageControl1->addTab(spellPage, QStringLiteral("Spell Checker"));

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")},
                                            {&Button9, "Button9", QStringLiteral("Help")}},
                                           EnterPresses::First);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TOptionsFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::close);
    connect(Button9, &QPushButton::clicked, this, &TOptionsFrm::Button9Click);

    m_committing = true;
    FormCreate();
    m_committing = false;
    reportGatheredFailures();
    resize(840, 560);
}

QStringList TOptionsFrm::helpTopics()
{
    return {QStringLiteral("HID_OPTEDITOR"),         QStringLiteral("HID_OPTCOMPILER"),
            QStringLiteral("HID_APPLICATIONOPT"),    QStringLiteral("HID_OPTSHORTCUT"),
            QStringLiteral("HID_COMLETIONTUTORIAL"), QStringLiteral("HID_SYNHIGOPT"),
            QStringLiteral("HID_AUTOCOMLETION"),     QStringLiteral("HID_SPELLCHECKOPT")};
}

// --- Creation -----------------------------------------------------------------------------

void TOptionsFrm::FormCreate()
{
    AppSettings &s = m_host.settings();
    // The dictionary languages, then "Other..".
    spellPage->fillLanguages();
    // The shortcut page.
    LoadShortcuts();
    // The Java colours.
    colorsPage->ShownLanguage = QStringLiteral("Java");
    colorsPage->ShownTabIndex = 0;
    colorsPage->LoadFromIni(QStringLiteral("Java"));
    // The user-defined languages' tabs.
    LoadCustomLanguageTabs();
    const bool firstRun = s.boolValue(Key::FirstRun, Reader::Options);
    editorPage->panelGRTColor->setColor(s.colourValue(Key::GTRColor, Reader::Options));
    editorPage->PanelBGColor->setColor(s.colourValue(Key::BGColor, Reader::Options));
    ShortcutsChanged = false;
    // The colour presets.
    colorsPage->loadPresets();
    // The Java colour sections of the settings file.
    seedJavaColours(firstRun);
    // The code templates and their keywords.
    templatePage->loadTemplates();
    ReadIniFile();
    // The elements of the colours page.
    colorsPage->ReloadAttributes();
    // The classes of the completion page.
    classPage->loadClasses();
    // The installed fonts.
    editorPage->fillFonts();
}

void TOptionsFrm::LoadShortcuts()
{
    TabSheet4->LoadShortcuts(m_host.settings());
    // The saved table goes over the rows here, once: a change made on the page stays when
    // the page is left and shown again, and an OK before the page was ever shown writes the
    // saved table back as it was.
    TabSheet4->LoadShortcutList(m_host.settings());
}

void TOptionsFrm::seedJavaColours(bool firstRun)
{
    AppSettings &s = m_host.settings();
    if (firstRun) {
        // The first opening puts the Java colours into the settings file: the active
        // document's when it is a Java document, else those just loaded from the Java colour
        // file (another language's highlighter would write its colours over the Java ones).
        AppSettings::Batch batch(s);
        if (HostDocument *document = m_host.activeDocument()) {
            const Highlighter *own =
                document->editor() ? document->editor()->highlighter() : nullptr;
            ColourSections::save(
                own && own->kind() == Highlighter::Java ? *own : *colorsPage->SynJavaSyn1, s);
        }
        s.setBool(Key::FirstRun, false);
        if (!batch.commit())
            reportWriteFailure(s.fileName(), s.lastError());
    }
    ColourSections::load(*colorsPage->SynJavaSyn1, s);
}

void TOptionsFrm::ReadIniFile()
{
    const AppSettings &s = m_host.settings();
    const auto text = [&s](Key key) { return s.textValue(key, Reader::Options); };
    const auto flag = [&s](Key key) { return s.boolValue(key, Reader::Options); };

    OptionsEditorPage *e = editorPage;
    e->showFontName(text(Key::FontType));
    e->FontSize->setText(text(Key::FontSize));
    e->ShowLineNrsCbx->setChecked(flag(Key::ShowLineNumbers));
    e->ShowGutterCbx->setChecked(flag(Key::ShowGutter));
    e->GutterSizeEdField->setText(text(Key::GutterSize));
    e->LeedingZeroCbx->setChecked(flag(Key::LeadingZeros));
    e->CompPropCbx->setChecked(flag(Key::CompProposal));
    e->AutoCompCbx->setChecked(flag(Key::AutoCompletion));

    OptionsCompilerPage *c = compilerPage;
    c->ClassPathDir->setText(OptionsCompilerPage::shownClassPath(text(Key::ClassPathDir)));
    c->JavaBinDir->setText(text(Key::JavaBinDir));
    c->AllDebugInfoCbx->setChecked(flag(Key::AllDebugInfo));
    c->NoDebugInfoCbx->setChecked(flag(Key::NoDebugInfo));
    c->VerboseOutputCbx->setChecked(flag(Key::VerboseOutput));
    c->DisableVarnCbx->setChecked(flag(Key::DisableVarn));
    c->SelDebugLineNumCbx->setChecked(flag(Key::SelDebugLineNum));
    c->SelDebugSourceFileCbx->setChecked(flag(Key::SelDebugSourceFile));
    c->SelDebugLocalVarCbx->setChecked(flag(Key::SelDebugLocalVar));

    OptionsApplicationPage *a = applicationPage;
    a->ViewSpecialCharCbx->setChecked(flag(Key::ViewSecialChars));
    a->ShowPrintLnNrCbx->setChecked(flag(Key::ShowPrintLnNr));
    a->NameOfPrntDocCbx->setChecked(flag(Key::NameOfPrntDoc));
    a->ShowColorHighltPrintCbx->setChecked(flag(Key::ShowColorHighltPrint));
    a->cbPrintDate->setChecked(flag(Key::PrintDate));
    a->cbPrintTime->setChecked(flag(Key::PrintTime));
    a->cbPrintShadedHeader->setChecked(flag(Key::PrintHeader));
    a->cbPrintShadedFooter->setChecked(flag(Key::PrintFooter));
    a->cbShowPageNumbers->setChecked(flag(Key::PrintPageNum));
    a->WarnBeforeCloseCbx->setChecked(flag(Key::WarnBeforeClose));
    a->AutoSaveCbx->setChecked(flag(Key::AutoSave));
    a->AutoSaveIntervalEdt->setText(text(Key::AutoSaveInterval));
    a->InsTmplCodeOnNewDoc->setChecked(flag(Key::TmpltCodeOnNewDoc));
    a->ShowJavaQuickFind->setChecked(flag(Key::JavaQuickFind));
    a->RJavaAppsDosWindow->setChecked(flag(Key::JavaAppsInDosWindow));

    OptionsSpellPage *p = spellPage;
    // "English" when no language is stored, as long as its dictionary is installed.
    QString language = text(Key::DictLanguage);
    if (!s.contains(Key::DictLanguage)
        && !(m_checker && m_checker->dictionaryExists(QStringLiteral("English"))))
        language.clear();
    p->ComboBox1->setCurrentIndex(-1);
    p->ComboBox1->setEditText(language);
    p->CheckBox1->setChecked(flag(Key::AutoSpellCheck));
    p->CheckBox7->setChecked(flag(Key::IgnoreWordsWithNum));
    p->CheckBox13->setChecked(flag(Key::IgnoreSingleChar));
    p->CheckBox14->setChecked(flag(Key::ShowHourglass));
    p->Panel1->setColor(s.colourValue(Key::UnderlineColor, Reader::Options));

    // The boxes' own rules, as a click would run them.
    a->AutoSaveCbxClick();
    e->ShowGutterCbxClick();
}

// --- OK ----------------------------------------------------------------------------------

void TOptionsFrm::Button1Click()
{
    AppSettings &s = m_host.settings();
    HostDocument *document = m_host.activeDocument();
    EditorAdapter *editor = document ? document->editor() : nullptr;

    // Every key goes into one batch: the settings file is replaced once, at the end.
    m_committing = true;
    AppSettings::Batch batch(s);
    writeEditorFont(s, editor);
    writeLineNumbers(s, document);
    writeGutter(s, editor);
    writeCompletion(s);
    writeCompilerOptions(s);
    writeApplicationOptions(s, document);
    writeSpellCheck(s);
    ColourSections::save(*colorsPage->SynJavaSyn1, s);
    // The active document's highlighter takes the Java colours just written.
    if (editor && editor->highlighter()
        && !Delphi::contains(document->caption().toLower(), QStringLiteral(".txt")))
        ColourSections::load(*editor->highlighter(), s);
    s.setText(Key::DebugGenOptions, CompilerOptionsText::compose(compilerPage->boxes()));
    saveTemplates(document);
    applyShortcuts(document);
    saveColours(document);
    const bool committed = batch.commit();
    if (!committed)
        reportWriteFailure(s.fileName(), s.lastError());
    m_committing = false;
    reportGatheredFailures();
    // A settings file that could not be written keeps the settings in the dialog, so that OK
    // may be tried again; the other files were said and do not hold it open.
    if (committed)
        close();
}

void TOptionsFrm::writeEditorFont(AppSettings &s, EditorAdapter *editor)
{
    OptionsEditorPage *e = editorPage;
    if (!e->Fonts->currentText().isEmpty())
        s.setText(Key::FontType, e->Fonts->currentText());
    s.setText(Key::FontSize, e->FontSize->text());
    s.setColour(Key::BGColor, e->PanelBGColor->color());
    if (editor)
        editor->setBackgroundColor(e->PanelBGColor->color().toQColor());
    s.setColour(Key::GTRColor, e->panelGRTColor->color());
    if (!editor)
        return;
    editor->setGutterColor(e->panelGRTColor->color().toQColor());
    // A name typed (or left as read) is not applied; a size that is no number neither.
    QFont font = editor->editorFont();
    const QString picked = e->pickedFont();
    if (!picked.isEmpty())
        font.setFamily(picked);
    int size = 0;
    if (Delphi::tryStrToInt(e->FontSize->text(), size) && size > 0 && size <= 512)
        font.setPointSize(size);
    editor->setEditorFont(font);
}

void TOptionsFrm::runViewCommand(const QString &name)
{
    if (QAction *command = m_host.actions().action(name))
        command->trigger();
}

void TOptionsFrm::writeLineNumbers(AppSettings &s, HostDocument *document)
{
    const bool show = editorPage->ShowLineNrsCbx->isChecked();
    s.setBool(Key::ShowLineNumbers, show);
    const QAction *item = m_host.actions().action(QStringLiteral("Linenumbers1"));
    if (document && item && item->isChecked() != show)
        runViewCommand(QStringLiteral("Linenumbers1"));
}

void TOptionsFrm::writeGutter(AppSettings &s, EditorAdapter *editor)
{
    OptionsEditorPage *e = editorPage;
    const bool show = e->ShowGutterCbx->isChecked();
    if (editor)
        editor->setGutterVisible(show);
    s.setBool(Key::ShowGutter, show);
    s.setText(Key::GutterSize, e->GutterSizeEdField->text());
    int width = 0;
    if (show && editor && Delphi::tryStrToInt(e->GutterSizeEdField->text(), width))
        editor->setGutterWidth(qBound(0, width, 2000));
    // Leading zeros: every open document follows, as documents made later do.
    const bool zeros = e->LeedingZeroCbx->isChecked();
    for (HostDocument *document : m_host.documents())
        document->editor()->setLeadingZeros(zeros);
    s.setBool(Key::LeadingZeros, zeros);
}

void TOptionsFrm::writeCompletion(AppSettings &s)
{
    s.setBool(Key::CompProposal, editorPage->CompPropCbx->isChecked());
    if (QAction *item = m_host.actions().action(QStringLiteral("CompletionProposal1")))
        item->setChecked(editorPage->CompPropCbx->isChecked());
    s.setBool(Key::AutoCompletion, editorPage->AutoCompCbx->isChecked());
    if (QAction *item = m_host.actions().action(QStringLiteral("Autocompletion1")))
        item->setChecked(editorPage->AutoCompCbx->isChecked());
}

void TOptionsFrm::writeCompilerOptions(AppSettings &s)
{
    OptionsCompilerPage *c = compilerPage;
    s.setText(Key::ClassPathDir, c->ClassPathDir->text());
    s.setText(Key::JavaBinDir, c->JavaBinDir->text());
    s.setBool(Key::AllDebugInfo, c->AllDebugInfoCbx->isChecked());
    s.setBool(Key::NoDebugInfo, c->NoDebugInfoCbx->isChecked());
    s.setBool(Key::VerboseOutput, c->VerboseOutputCbx->isChecked());
    s.setBool(Key::DisableVarn, c->DisableVarnCbx->isChecked());
    s.setBool(Key::SelDebugLineNum, c->SelDebugLineNumCbx->isChecked());
    s.setBool(Key::SelDebugSourceFile, c->SelDebugSourceFileCbx->isChecked());
    s.setBool(Key::SelDebugLocalVar, c->SelDebugLocalVarCbx->isChecked());
}

void TOptionsFrm::writeApplicationOptions(AppSettings &s, HostDocument *document)
{
    OptionsApplicationPage *a = applicationPage;
    const bool special = a->ViewSpecialCharCbx->isChecked();
    s.setBool(Key::ViewSecialChars, special);
    const QAction *item = m_host.actions().action(QStringLiteral("Specialcharacters1"));
    if (document && item && item->isChecked() != special)
        runViewCommand(QStringLiteral("Specialcharacters1"));
    s.setBool(Key::ShowPrintLnNr, a->ShowPrintLnNrCbx->isChecked());
    s.setBool(Key::NameOfPrntDoc, a->NameOfPrntDocCbx->isChecked());
    s.setBool(Key::ShowColorHighltPrint, a->ShowColorHighltPrintCbx->isChecked());
    s.setBool(Key::WarnBeforeClose, a->WarnBeforeCloseCbx->isChecked());
    s.setBool(Key::AutoSave, a->AutoSaveCbx->isChecked());
    s.setText(Key::AutoSaveInterval, a->AutoSaveIntervalEdt->text());
    s.setBool(Key::PrintDate, a->cbPrintDate->isChecked());
    s.setBool(Key::PrintTime, a->cbPrintTime->isChecked());
    s.setBool(Key::PrintHeader, a->cbPrintShadedHeader->isChecked());
    s.setBool(Key::PrintFooter, a->cbPrintShadedFooter->isChecked());
    s.setBool(Key::PrintPageNum, a->cbShowPageNumbers->isChecked());
    s.setBool(Key::TmpltCodeOnNewDoc, a->InsTmplCodeOnNewDoc->isChecked());
    s.setBool(Key::JavaQuickFind, a->ShowJavaQuickFind->isChecked());
    if (QWidget *quickFind = m_host.page(FeatureHost::Page::QuickFind))
        quickFind->setVisible(a->ShowJavaQuickFind->isChecked());
    s.setBool(Key::JavaAppsInDosWindow, a->RJavaAppsDosWindow->isChecked());
}

void TOptionsFrm::writeSpellCheck(AppSettings &s)
{
    OptionsSpellPage *p = spellPage;
    if (p->otherChosen())
        return;
    s.setText(Key::DictLanguage, p->ComboBox1->currentText());
    s.setColour(Key::UnderlineColor, p->Panel1->color());
    s.setBool(Key::AutoSpellCheck, p->CheckBox1->isChecked());
    s.setBool(Key::IgnoreWordsWithNum, p->CheckBox7->isChecked());
    s.setBool(Key::IgnoreSingleChar, p->CheckBox13->isChecked());
    s.setBool(Key::ShowHourglass, p->CheckBox14->isChecked());
    if (!m_checker)
        return;
    m_checker->setOption(OptionsSpellChecker::AutoSpellCheck, p->CheckBox1->isChecked());
    m_checker->setOption(OptionsSpellChecker::IgnoreWordsWithNumbers, p->CheckBox7->isChecked());
    m_checker->setOption(OptionsSpellChecker::IgnoreSingleChars, p->CheckBox13->isChecked());
    m_checker->setOption(OptionsSpellChecker::HourGlass, p->CheckBox14->isChecked());
    // Another language than the one loaded (with none loaded, the next start loads it).
    const QString current = Delphi::trim(m_checker->currentLanguage());
    const QString chosen = Delphi::trim(p->ComboBox1->currentText());
    if (current.isEmpty() || chosen.compare(current, Qt::CaseInsensitive) == 0)
        return;
    m_checker->loadDictionaryAsked(s.textValue(Key::DictLanguage), this);
}

void TOptionsFrm::saveTemplates(HostDocument *document)
{
    QString reason;
    if (!templatePage->saveTemplates(&reason))
        reportWriteFailure(CompletionFiles::templateFile(), reason);
    if (m_hooks.lagNyCompletionListe)
        m_hooks.lagNyCompletionListe();
    if (document && document->editor())
        document->editor()->widget()->setFocus();
}

void TOptionsFrm::UpdateShortcutList()
{
    TabSheet4->UpdateShortcutList(m_host.settings());
}

void TOptionsFrm::applyShortcuts(HostDocument *document)
{
    UpdateShortcutList();
    if (ShortcutsChanged && m_hooks.loadShortcuts)
        m_hooks.loadShortcuts();
    if (document && document->editor())
        document->editor()->widget()->setFocus();
}

void TOptionsFrm::saveColours(HostDocument *document)
{
    if (document && m_checker)
        m_checker->setPenColor(spellPage->Panel1->color());
    colorsPage->UpdateAllColorIniFiles(
        CompletionFiles::languageColourFile(colorsPage->selectedCaption()));
    if (m_hooks.updateColorsInEditor)
        m_hooks.updateColorsInEditor();
}

void TOptionsFrm::reportWriteFailure(const QString &fileName, const QString &reason)
{
    for (const auto &failure : std::as_const(m_failures))
        if (failure.first == fileName)
            return;
    m_failures.append({fileName, reason});
    if (!m_committing)
        reportGatheredFailures();
}

void TOptionsFrm::reportGatheredFailures()
{
    if (m_failures.isEmpty())
        return;
    QString text;
    if (m_failures.size() == 1) {
        text = QStringLiteral("Could not save ") + m_failures.first().first + QLatin1Char('\n')
            + m_failures.first().second;
    } else {
        text = QStringLiteral("Could not save these files:");
        for (const auto &failure : std::as_const(m_failures))
            text += QLatin1Char('\n') + failure.first + QStringLiteral(": ") + failure.second;
    }
    m_failures.clear();
    Prompter::instance()->messageDlg(this, text, Prompter::Warning, Prompter::OkButton);
}

// --- Help and closing -------------------------------------------------------------------

void TOptionsFrm::Button9Click()
{
    HelpViewer::setHelpFile(AppPaths::dataPath(QStringLiteral("qmEditor.hlp")));
    HelpViewer::instance()->showTopic(helpTopics().value(PageControl1->currentIndex()));
}

void TOptionsFrm::LoadCustomLanguageTabs()
{
    colorsPage->LoadCustomLanguageTabs();
}

void TOptionsFrm::updateEmptyLanguageItems()
{
    if (m_hooks.updateEmptyLanguageItems)
        m_hooks.updateEmptyLanguageItems();
}

void TOptionsFrm::done(int result)
{
    updateEmptyLanguageItems();
    QDialog::done(result);
}
