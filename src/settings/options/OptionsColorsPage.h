#pragma once

#include "settings/options/OptionsHooks.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class ColorPanel;
class EditLanguagePanel;
class EditorAdapter;
class NewLanguagePanel;
class QDialog;
class Highlighter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QTabBar;

// The Options dialog's "Syn.Higlighting" page: one tab per language, a sample text in the
// language's highlighter, the element being edited with its colours and style, and the colour
// presets. The dialog's own highlighters hold the colours being edited; a language's colours
// go to its colour file "colors/lang/" + language + ".ini" when its tab is left, when its
// file is missing, and on OK.
class OptionsColorsPage : public QWidget
{
    Q_OBJECT
public:
    explicit OptionsColorsPage(QWidget *parent = nullptr);

    // The highlighter a tab caption stands for: the first of "Java", "HTML", "CSS", "PERL",
    // "PHP", "XML" the caption holds (case-sensitive), else the general highlighter.
    Highlighter *highlighterFor(const QString &caption) const;
    // The highlighter of the tab at index: by caption for the six built-in tabs, the general
    // one for every other (a language named "JavaScript" is a language of its own).
    Highlighter *highlighterAt(int index) const;
    // The highlighter of the selected tab.
    Highlighter *selectedHighlighter() const;
    QString selectedCaption() const;

    // Tabs added or removed by the program (user-defined languages): no tab switch runs.
    void insertTab(int index, const QString &caption);
    void removeTab(int index);

    // The user-defined languages: the main window's steps and the exec function of the
    // rename and extension dialogs.
    void setUpLanguages(const OptionsHooks &hooks, std::function<int(QDialog &)> exec);
    // Creation: one tab per language of the table of contents, each inserted at index 6 (so
    // the last of the table stands first).
    void LoadCustomLanguageTabs();
    // A tab of a user-defined language (after the six built-in tabs, before "New language"
    // and "Edit language").
    bool isLanguageTab(int index) const;
    // The preview of a language without sample code.
    static QString noCodeText();

    // Loads the colour file of language into the selected tab's highlighter, or makes the
    // file from that highlighter when it is missing.
    void LoadFromIni(const QString &language);
    // Saves the selected tab's highlighter to fileName; a failure is reported.
    bool UpdateAllColorIniFiles(const QString &fileName);
    // Where the page reports a file it could not write (the file and the system's reason);
    // without one, each failure gets a message of its own.
    using WriteFailureReporter = std::function<void(const QString &, const QString &)>;
    void setWriteFailureReporter(WriteFailureReporter report) { m_report = std::move(report); }
    // Creation: the preset names of "colors/toc.col".
    void loadPresets();
    QStringList presetList() const { return m_presetList; }

    // The two samples of the tab switch, and the Java sample shown at creation (with two blank
    // lines more).
    static QStringList javaSample();
    static QStringList htmlSample();
    static QStringList formJavaSample();

    QString ShownLanguage;
    int ShownTabIndex = 0;

    QTabBar *TabSet1;
    EditorAdapter *SynEditor;
    QGroupBox *GroupBox13; // the colour controls
    QComboBox *cbxAttrSelect;
    ColorPanel *FGColor;
    ColorPanel *BGColor;
    QCheckBox *cbBold;
    QCheckBox *cbItalic;
    QCheckBox *cbUnderline;
    QCheckBox *cbStriketru;
    QComboBox *ComboBox2;          // "Select Preset:"
    QPushButton *Button8;          // "Save.."
    NewLanguagePanel *GroupBox16;  // "Define new custom language:"
    EditLanguagePanel *GroupBox21; // "Edit custom language:"

    Highlighter *SynJavaSyn1;
    Highlighter *SynHTMLSyn1;
    Highlighter *SynCssSyn1;
    Highlighter *SynPerlSyn1;
    Highlighter *SynPHPSyn1;
    Highlighter *SynXMLSyn1;
    Highlighter *SynGeneralSyn1;

public slots:
    void TabSet1Click();
    void ReloadAttributes();
    void cbxAttrSelectChange();
    void FGColorClick();
    void BGColorClick();
    void cbFontStyleClick();
    void ComboBox2Click();
    void Button8Click();
    void SynEditorClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The user-defined languages' share of the tab switch (tabs after the six built-in ones):
    // the sample of the language being left goes to its language file, and the new language is
    // loaded into the general highlighter and the sample.
    void saveLanguageSample();
    void LoadLangData(const QString &language);
    void showLanguageGroup(QWidget *group);
    void languageAdded(const QString &name);
    void languageDeleted(const QString &name);
    void languageRenamed(const QString &oldName, const QString &newName);
    int selectedAttribute() const;
    void pickColour(ColorPanel *box, bool foreground);
    bool saveHighlighter(Highlighter *h, const QString &fileName);
    void reportWriteFailure(const QString &fileName, const QString &reason);

    QStringList m_presetList; // "RichEdit2"
    bool m_tabsChanging = false;
    WriteFailureReporter m_report;
};
