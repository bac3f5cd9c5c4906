#include "settings/options/OptionsColorsPage.h"

#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/DelphiStrings.h"
#include "platform/FileDialogs.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "settings/files/CompletionFiles.h"
#include "settings/languages/CustomLanguageFile.h"
#include "settings/languages/CustomLanguageIndex.h"
#include "settings/languages/CustomLanguageLoader.h"
#include "settings/languages/EditLanguagePanel.h"
#include "settings/languages/NewLanguagePanel.h"
#include "settings/options/ColorPanel.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char *const BuiltInTabs[] = {"Java", "HTML", "CSS", "PERL", "PHP", "XML"};
constexpr int BuiltInTabCount = 6;

void information(QWidget *parent, const QString &text)
{
    Prompter::instance()->messageBox(parent, QStringLiteral("Information"), text,
                                     Prompter::Information, Prompter::OkButton);
}

} // namespace

OptionsColorsPage::OptionsColorsPage(QWidget *parent) : QWidget(parent)
{
    SynJavaSyn1 = named(new Highlighter(Highlighter::Java, this), "SynJavaSyn1");
    SynHTMLSyn1 = named(new Highlighter(Highlighter::HTML, this), "SynHTMLSyn1");
    SynCssSyn1 = named(new Highlighter(Highlighter::CSS, this), "SynCssSyn1");
    SynPerlSyn1 = named(new Highlighter(Highlighter::Perl, this), "SynPerlSyn1");
    SynPHPSyn1 = named(new Highlighter(Highlighter::PHP, this), "SynPHPSyn1");
    SynXMLSyn1 = named(new Highlighter(Highlighter::XML, this), "SynXMLSyn1");
    SynGeneralSyn1 = named(new Highlighter(Highlighter::General, this), "SynGeneralSyn1");

    TabSet1 = named(new QTabBar(this), "TabSet1");
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    m_tabsChanging = true;
    for (const char *caption : BuiltInTabs)
        TabSet1->addTab(QLatin1String(caption));
    TabSet1->addTab(QStringLiteral("New language"));
    TabSet1->addTab(QStringLiteral("Edit language"));
    TabSet1->setCurrentIndex(0);
    m_tabsChanging = false;

    SynEditor = new EditorAdapter(this);
    SynEditor->widget()->setObjectName(QStringLiteral("SynEditor"));
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    SynEditor->setEditorFont(font);
    SynEditor->setGutterVisible(false);
    SynEditor->setHighlighter(SynJavaSyn1);
    SynEditor->setLines(formJavaSample());

    GroupBox13 = named(new QGroupBox(this), "GroupBox13");
    auto *elementGroup = named(new QGroupBox(QStringLiteral("Element:"), GroupBox13), "GroupBox14");
    cbxAttrSelect = named(new QComboBox(elementGroup), "cbxAttrSelect");
    (new QVBoxLayout(elementGroup))->addWidget(cbxAttrSelect);
    FGColor = named(new ColorPanel(QString(), GroupBox13), "FGColor");
    FGColor->setToolTip(QStringLiteral("Keyword foreground color"));
    BGColor = named(new ColorPanel(QString(), GroupBox13), "BGColor");
    BGColor->setToolTip(QStringLiteral("Keyword backgound color"));
    cbBold = named(new QCheckBox(QStringLiteral("Bold"), GroupBox13), "cbBold");
    cbItalic = named(new QCheckBox(QStringLiteral("Italic"), GroupBox13), "cbItalic");
    cbUnderline = named(new QCheckBox(QStringLiteral("Underlined"), GroupBox13), "cbUnderline");
    cbStriketru = named(new QCheckBox(QStringLiteral("Striketru"), GroupBox13), "cbStriketru");
    ComboBox2 = named(new QComboBox(GroupBox13), "ComboBox2");
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    Button8 = named(new QPushButton(QStringLiteral("Save.."), GroupBox13), "Button8");
    Button8->setAutoDefault(false);

    auto *grid = new QGridLayout(GroupBox13);
    grid->addWidget(elementGroup, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("FG"), GroupBox13), 1, 0);
    grid->addWidget(FGColor, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("BG"), GroupBox13), 1, 2);
    grid->addWidget(BGColor, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("(Click on colorbox to select color)"), GroupBox13),
                    2, 0, 1, 4);
    grid->addWidget(cbBold, 3, 0, 1, 2);
    grid->addWidget(cbItalic, 3, 2, 1, 2);
    grid->addWidget(cbUnderline, 4, 0, 1, 2);
    grid->addWidget(cbStriketru, 4, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Select Preset:"), GroupBox13), 5, 0, 1, 4);
    grid->addWidget(ComboBox2, 6, 0, 1, 3);
    grid->addWidget(Button8, 6, 3);
    grid->setRowStretch(7, 1);

    GroupBox16 = new NewLanguagePanel(this);
    GroupBox21 = new EditLanguagePanel(this);
    GroupBox16->hide();
    GroupBox21->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(SynEditor->widget(), 1);
    top->addWidget(GroupBox13);
    top->addWidget(GroupBox16);
    top->addWidget(GroupBox21);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(TabSet1);

    connect(TabSet1, &QTabBar::currentChanged, this, [this] {
        if (!m_tabsChanging)
            TabSet1Click();
    });
    connect(cbxAttrSelect, &QComboBox::activated, this, &OptionsColorsPage::cbxAttrSelectChange);
    connect(FGColor, &ColorPanel::clicked, this, &OptionsColorsPage::FGColorClick);
    connect(BGColor, &ColorPanel::clicked, this, &OptionsColorsPage::BGColorClick);
    for (QCheckBox *box : {cbBold, cbItalic, cbUnderline, cbStriketru})
        connect(box, &QCheckBox::clicked, this, &OptionsColorsPage::cbFontStyleClick);
    connect(ComboBox2, &QComboBox::activated, this, &OptionsColorsPage::ComboBox2Click);
    connect(Button8, &QPushButton::clicked, this, &OptionsColorsPage::Button8Click);
    connect(GroupBox16, &NewLanguagePanel::languageAdded, this, &OptionsColorsPage::languageAdded);
    connect(GroupBox21, &EditLanguagePanel::languageDeleted, this,
            &OptionsColorsPage::languageDeleted);
    connect(GroupBox21, &EditLanguagePanel::languageRenamed, this,
            &OptionsColorsPage::languageRenamed);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(SynEditor->widget()))
        area->viewport()->installEventFilter(this);
}

QStringList OptionsColorsPage::javaSample()
{
    return {QStringLiteral("// comment"),
            QStringLiteral("/** Javadoc */"),
            QStringLiteral("class Classname {"),
            QStringLiteral("  int test = 33;"),
            QStringLiteral("  public static void main(String args[]) {"),
            QStringLiteral("    System.out.println(\"Hello\");"),
            QStringLiteral("  }"),
            QStringLiteral("}")};
}

QStringList OptionsColorsPage::formJavaSample()
{
    QStringList lines = javaSample();
    lines.insert(4, QString()); // after "  int test = 33;"
    lines.insert(2, QString()); // after "/** Javadoc */"
    return lines;
}

QStringList OptionsColorsPage::htmlSample()
{
    return {QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title>Untitled document</title>"),
            QStringLiteral("</head>"),
            QStringLiteral("<!-- Comment -->"),
            QStringLiteral("&nbsp;"),
            QStringLiteral("<unknowntag>"),
            QStringLiteral("<% JSP, ASP code etc. %>"),
            QStringLiteral("<body>"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>")};
}

Highlighter *OptionsColorsPage::highlighterFor(const QString &caption) const
{
    const std::pair<const char *, Highlighter *> order[] = {
        {"Java", SynJavaSyn1}, {"HTML", SynHTMLSyn1}, {"CSS", SynCssSyn1},
        {"PERL", SynPerlSyn1}, {"PHP", SynPHPSyn1},   {"XML", SynXMLSyn1}};
    for (const auto &[name, highlighter] : order)
        if (Delphi::contains(caption, QLatin1String(name)))
            return highlighter;
    return SynGeneralSyn1;
}

QString OptionsColorsPage::selectedCaption() const
{
    return TabSet1->tabText(TabSet1->currentIndex());
}

Highlighter *OptionsColorsPage::highlighterAt(int index) const
{
    return index >= 0 && index < BuiltInTabCount ? highlighterFor(TabSet1->tabText(index))
                                                 : SynGeneralSyn1;
}

Highlighter *OptionsColorsPage::selectedHighlighter() const
{
    return highlighterAt(TabSet1->currentIndex());
}

void OptionsColorsPage::insertTab(int index, const QString &caption)
{
    m_tabsChanging = true;
    TabSet1->insertTab(index, caption);
    m_tabsChanging = false;
}

void OptionsColorsPage::removeTab(int index)
{
    m_tabsChanging = true;
    TabSet1->removeTab(index);
    m_tabsChanging = false;
}

bool OptionsColorsPage::saveHighlighter(Highlighter *h, const QString &fileName)
{
    QString reason;
    if (CompletionFiles::makeFolderOf(fileName, &reason) && h->saveToFile(fileName, &reason))
        return true;
    reportWriteFailure(fileName, reason);
    return false;
}

void OptionsColorsPage::reportWriteFailure(const QString &fileName, const QString &reason)
{
    if (m_report)
        m_report(fileName, reason);
    else
        Prompter::instance()->messageDlg(
            this, QStringLiteral("Could not save ") + fileName + QLatin1Char('\n') + reason,
            Prompter::Warning, Prompter::OkButton);
}

void OptionsColorsPage::LoadFromIni(const QString &language)
{
    const QString file = CompletionFiles::languageColourFile(language);
    if (QFileInfo(file).isFile())
        selectedHighlighter()->loadFromFile(file);
    else
        UpdateAllColorIniFiles(file);
}

bool OptionsColorsPage::UpdateAllColorIniFiles(const QString &fileName)
{
    return saveHighlighter(selectedHighlighter(), fileName);
}

void OptionsColorsPage::loadPresets()
{
    m_presetList = CompletionFiles::readLines(CompletionFiles::presetListFile());
    ComboBox2->clear();
    ComboBox2->addItems(m_presetList);
    ComboBox2->setCurrentIndex(-1);
}

void OptionsColorsPage::TabSet1Click()
{
    const int index = TabSet1->currentIndex();
    const QString caption = TabSet1->tabText(index);

    // The two language groups: their tabs are the last two.
    GroupBox21->ListView3->clear();
    if (index == TabSet1->count() - 2) {
        showLanguageGroup(GroupBox16);
        return;
    }
    if (index == TabSet1->count() - 1) {
        showLanguageGroup(GroupBox21);
        GroupBox21->fillLanguages();
        return;
    }

    // The colours of the language being left (none when it was deleted meanwhile).
    if (!Delphi::trim(ShownLanguage).isEmpty())
        saveHighlighter(ShownTabIndex >= BuiltInTabCount ? SynGeneralSyn1
                                                         : highlighterFor(ShownLanguage),
                        CompletionFiles::languageColourFile(ShownLanguage));
    // User-defined languages.
    if (ShownTabIndex >= BuiltInTabCount)
        saveLanguageSample();
    if (isLanguageTab(index))
        LoadLangData(caption);
    // The colour group.
    showLanguageGroup(GroupBox13);
    // The sample in the new tab's highlighter.
    if (isLanguageTab(index)) {
        SynEditor->setHighlighter(SynGeneralSyn1);
    } else if (Delphi::contains(caption, QStringLiteral("Java"))) {
        SynEditor->setHighlighter(SynJavaSyn1);
        SynEditor->setLines(javaSample());
    } else if (Delphi::contains(caption, QStringLiteral("HTML"))) {
        SynEditor->setHighlighter(SynHTMLSyn1);
        SynEditor->setLines(htmlSample());
    } else {
        Highlighter *own = nullptr;
        for (const char *name : {"CSS", "PERL", "XML", "PHP"}) {
            if (Delphi::contains(caption, QLatin1String(name))) {
                own = highlighterFor(QLatin1String(name));
                break;
            }
        }
        if (own) {
            SynEditor->setHighlighter(own);
            SynEditor->setText(own->sampleSource());
        } else {
            SynEditor->setHighlighter(SynGeneralSyn1);
        }
    }
    ShownLanguage = caption;
    ShownTabIndex = index;
    LoadFromIni(caption);
    ReloadAttributes();
}

// --- User-defined languages ---------------------------------------------------------------

void OptionsColorsPage::setUpLanguages(const OptionsHooks &hooks,
                                       std::function<int(QDialog &)> exec)
{
    GroupBox16->setHooks(hooks);
    GroupBox21->setHooks(hooks);
    if (exec)
        GroupBox21->setExecDialog(std::move(exec));
}

bool OptionsColorsPage::isLanguageTab(int index) const
{
    return index >= BuiltInTabCount && index < TabSet1->count() - 2;
}

QString OptionsColorsPage::noCodeText()
{
    return QStringLiteral("[No code spesified for this language!]");
}

void OptionsColorsPage::LoadCustomLanguageTabs()
{
    // (A name from a hand-edited table that leads out of the language folders or names a
    // built-in type gets no tab: its colours and sample would be written over other files.)
    for (const QString &name : CustomLanguageIndex().names())
        if (CustomLanguageIndex::ownsColourFile(name))
            insertTab(BuiltInTabCount, name);
}

void OptionsColorsPage::showLanguageGroup(QWidget *group)
{
    GroupBox13->setVisible(group == GroupBox13);
    GroupBox16->setVisible(group == GroupBox16);
    GroupBox21->setVisible(group == GroupBox21);
}

void OptionsColorsPage::LoadLangData(const QString &language)
{
    const CustomLanguage read =
        CustomLanguageLoader::LoadLangData(language, SynGeneralSyn1, SynEditor);
    if (read.code.isEmpty())
        SynEditor->setText(noCodeText());
}

void OptionsColorsPage::saveLanguageSample()
{
    // Nothing for a language deleted meanwhile, or one whose name leads out of its folder.
    if (!CustomLanguageIndex::isOwnName(ShownLanguage)
        || Delphi::contains(SynEditor->text(), noCodeText()))
        return;
    CustomLanguageFile file(ShownLanguage);
    QString reason;
    if (!file.writeCode(SynEditor->lines(), &reason))
        reportWriteFailure(file.fileName(), reason);
}

void OptionsColorsPage::SynEditorClick()
{
    if (Delphi::contains(SynEditor->text(), noCodeText()))
        SynEditor->setText(QString());
}

bool OptionsColorsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        SynEditorClick();
    return QWidget::eventFilter(watched, event);
}

void OptionsColorsPage::languageAdded(const QString &name)
{
    insertTab(BuiltInTabCount, name);
}

void OptionsColorsPage::languageDeleted(const QString &name)
{
    for (int i = TabSet1->count() - 3; i >= BuiltInTabCount; --i)
        if (TabSet1->tabText(i) == name)
            removeTab(i);
    // Its tab is gone: leaving it saves nothing, so that no file comes back.
    if (ShownTabIndex >= BuiltInTabCount && ShownLanguage == name)
        ShownLanguage.clear();
}

void OptionsColorsPage::languageRenamed(const QString &oldName, const QString &newName)
{
    for (int i = BuiltInTabCount; i < TabSet1->count() - 2; ++i)
        if (TabSet1->tabText(i) == oldName)
            TabSet1->setTabText(i, newName);
    if (ShownTabIndex >= BuiltInTabCount && ShownLanguage == oldName)
        ShownLanguage = newName;
}

void OptionsColorsPage::ReloadAttributes()
{
    Highlighter *h = SynEditor->highlighter();
    if (!h)
        return;
    cbxAttrSelect->clear();
    cbxAttrSelect->addItems(h->attributeNames());
    cbxAttrSelect->setCurrentIndex(h->attributeCount() > 0 ? 0 : -1);
    cbxAttrSelectChange();
}

int OptionsColorsPage::selectedAttribute() const
{
    Highlighter *h = SynEditor->highlighter();
    if (!h)
        return -1;
    return h->indexOfAttribute(cbxAttrSelect->currentText());
}

void OptionsColorsPage::cbxAttrSelectChange()
{
    const int index = selectedAttribute();
    if (index < 0)
        return;
    const HighlighterAttribute a = SynEditor->highlighter()->attribute(index);
    FGColor->setColor(a.foreground);
    BGColor->setColor(a.background);
    cbBold->setChecked(a.style & Highlighter::Bold);
    cbItalic->setChecked(a.style & Highlighter::Italic);
    cbUnderline->setChecked(a.style & Highlighter::Underline);
    cbStriketru->setChecked(a.style & Highlighter::StrikeOut);
}

void OptionsColorsPage::pickColour(ColorPanel *box, bool foreground)
{
    QColor colour = box->color().toQColor();
    if (FileDialogs::instance()->getColor(this, colour))
        box->setColor(TColor::fromQColor(colour));
    const int index = selectedAttribute();
    if (index < 0)
        return;
    Highlighter *h = SynEditor->highlighter();
    const HighlighterAttribute a = h->attribute(index);
    if (foreground)
        h->setAttribute(index, box->color(), a.background, a.style);
    else
        h->setAttribute(index, a.foreground, box->color(), a.style);
}

void OptionsColorsPage::FGColorClick()
{
    pickColour(FGColor, true);
}

void OptionsColorsPage::BGColorClick()
{
    pickColour(BGColor, false);
}

void OptionsColorsPage::cbFontStyleClick()
{
    const int index = selectedAttribute();
    if (index < 0)
        return;
    Highlighter *h = SynEditor->highlighter();
    const HighlighterAttribute a = h->attribute(index);
    const int style = (cbBold->isChecked() ? Highlighter::Bold : 0)
        + (cbItalic->isChecked() ? Highlighter::Italic : 0)
        + (cbUnderline->isChecked() ? Highlighter::Underline : 0)
        + (cbStriketru->isChecked() ? Highlighter::StrikeOut : 0);
    h->setAttribute(index, a.foreground, a.background, style);
}

void OptionsColorsPage::ComboBox2Click()
{
    const QString file = CompletionFiles::presetFile(ComboBox2->currentText());
    if (!QFileInfo(file).isFile()) {
        information(this,
                    QStringLiteral("For some reson the file ") + file
                        + QStringLiteral(" doen not exist. Cannot performe the spesified "
                                         "operation!"));
        return;
    }
    selectedHighlighter()->loadFromFile(file);
}

void OptionsColorsPage::Button8Click()
{
    QString name = ComboBox2->currentText();
    const QString refusal = CompletionFiles::presetNameRefusal(name);
    if (!refusal.isEmpty()) {
        information(this, refusal);
        return;
    }
    // A name listed already (without regard to case) is saved under the listed spelling.
    int listed = -1;
    for (int i = 0; i < ComboBox2->count() && listed < 0; ++i)
        if (ComboBox2->itemText(i).compare(name, Qt::CaseInsensitive) == 0)
            listed = i;
    if (listed >= 0)
        name = ComboBox2->itemText(listed);
    if (!saveHighlighter(selectedHighlighter(), CompletionFiles::presetFile(name)))
        return;

    QStringList list;
    for (int i = 0; i < ComboBox2->count(); ++i)
        list.append(ComboBox2->itemText(i));
    if (listed < 0)
        list.append(name);
    QString reason;
    if (!CompletionFiles::writeLines(CompletionFiles::presetListFile(), list, &reason)) {
        reportWriteFailure(CompletionFiles::presetListFile(), reason);
        return;
    }
    m_presetList = list;
    if (listed < 0)
        ComboBox2->addItem(name);
    ComboBox2->setCurrentIndex(-1);
    ComboBox2->setEditText(QString());
}
