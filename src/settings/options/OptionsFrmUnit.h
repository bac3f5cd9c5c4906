#pragma once

#include "settings/options/OptionsHooks.h"

#include <QDialog>

#include <functional>

class AppSettings;
class EditorAdapter;
class FeatureHost;
class HostDocument;
class OptionsApplicationPage;
class OptionsClassPage;
class OptionsColorsPage;
class OptionsCompilerPage;
class OptionsEditorPage;
class OptionsShortcutPage;
class OptionsSpellChecker;
class OptionsSpellPage;
class OptionsTemplatePage;
class QPushButton;
class QTabWidget;

// "Options": every setting of the settings file on eight pages, the colour presets and
// language colours, and the completion word lists. Made per opening (it reads everything
// afresh), above the main window but not modal, and freed when it closes. OK writes the
// settings in one replace of the settings file and applies them to the active document; the
// colour, template-class and preset files are written by their pages as they change.
class TOptionsFrm : public QDialog
{
    Q_OBJECT
public:
    using ExecDialog = std::function<int(QDialog &)>;

    // checker may be nullptr (no spell checker). exec shows the dialog's modal sub-dialogs.
    TOptionsFrm(FeatureHost &host, OptionsSpellChecker *checker, OptionsHooks hooks,
                ExecDialog exec, QWidget *parent = nullptr);

    // The help topic of each page, in page order.
    static QStringList helpTopics();

    // Fills the controls from the settings file (creation only).
    void ReadIniFile();
    // Whether the dialog is being made or OK is running: the files it could not write then,
    // the settings file included, are said together in one message by the dialog.
    bool isCommitting() const { return m_committing; }

    QTabWidget *PageControl1;
    OptionsEditorPage *editorPage;
    OptionsCompilerPage *compilerPage;
    OptionsApplicationPage *applicationPage;
    OptionsShortcutPage *TabSheet4; // "Shortcuts"
    OptionsClassPage *classPage;
    OptionsColorsPage *colorsPage;
    OptionsTemplatePage *templatePage;
    OptionsSpellPage *spellPage;
    QPushButton *Button1; // OK
    QPushButton *Button2; // Cancel
    QPushButton *Button9; // Help

    bool ShortcutsChanged = false;

public slots:
    void Button1Click(); // OK
    void Button9Click(); // Help
    // Every way of closing ends here (OK, Cancel, Escape, the close box): the "(empty)" items
    // of the "Custom language document" menus follow the languages.
    void done(int result) override;

private:
    void FormCreate();
    void seedJavaColours(bool firstRun);

    // OK, step by step.
    void writeEditorFont(AppSettings &s, EditorAdapter *editor);
    void writeLineNumbers(AppSettings &s, HostDocument *document);
    void writeGutter(AppSettings &s, EditorAdapter *editor);
    void writeCompletion(AppSettings &s);
    void writeCompilerOptions(AppSettings &s);
    void writeApplicationOptions(AppSettings &s, HostDocument *document);
    void writeSpellCheck(AppSettings &s);
    void saveTemplates(HostDocument *document);
    void applyShortcuts(HostDocument *document);
    void saveColours(HostDocument *document);
    // A file that could not be written: gathered while committing, else said at once.
    void reportWriteFailure(const QString &fileName, const QString &reason);
    // One message naming every gathered file and its reason.
    void reportGatheredFailures();
    // Runs a View command of the main window by name.
    void runViewCommand(const QString &name);

    // The shortcut table's page: its rows at creation, written on every OK.
    void LoadShortcuts();
    void UpdateShortcutList();
    // The user-defined languages' tabs of the colours page and the "(empty)" items of the
    // "Custom language document" menus on closing (through the hooks).
    void LoadCustomLanguageTabs();
    void updateEmptyLanguageItems();

    FeatureHost &m_host;
    OptionsSpellChecker *m_checker;
    OptionsHooks m_hooks;
    bool m_committing = false;
    QList<QPair<QString, QString>> m_failures; // file, reason
};
