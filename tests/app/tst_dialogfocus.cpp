#include "FakePrompter.h"
#include "analysis/GeneralStatisticsDialog.h"
#include "analysis/HtmlStatisticsDialog.h"
#include "analysis/JavaStatisticsDialog.h"
#include "html/formfields/FormFieldButton.h"
#include "html/formfields/FormFieldCheckBox.h"
#include "html/formfields/FormFieldFile.h"
#include "html/formfields/FormFieldHidden.h"
#include "html/formfields/FormFieldImageButton.h"
#include "html/formfields/FormFieldPassword.h"
#include "html/formfields/FormFieldRadioButton.h"
#include "html/formfields/FormFieldTextArea.h"
#include "html/formfields/FormFieldTextField.h"
#include "html/scripts/BrowserInfoWizard.h"
#include "html/scripts/BrowserWindowDialog.h"
#include "html/scripts/LinkMenuWizard.h"
#include "html/scripts/LinkWizard.h"
#include "html/scripts/RandomImageWizard.h"
#include "html/scripts/RolloverWizard.h"
#include "html/scripts/StatusLineDialog.h"
#include "html/wizards/CommentWizard.h"
#include "html/wizards/FontPicker.h"
#include "html/wizards/FontWizard.h"
#include "html/wizards/ImageTagWizard.h"
#include "html/wizards/ObjectWizard.h"
#include "html/wizards/OrderedListWizard.h"
#include "html/wizards/RuleWizard.h"
#include "html/wizards/SelectionListWizard.h"
#include "html/wizards/TableWizard.h"
#include "html/wizards/UnorderedListWizard.h"
#include "java/compile/CompileResultWindow.h"
#include "java/compile/CompilerOutputWindow.h"
#include "java/debug/VariableTracker.h"
#include "java/generators/ClassWizard.h"
#include "java/generators/ExceptionClassGenerator.h"
#include "java/generators/ExpressionBuilder.h"
#include "java/generators/TryCatchGenerator.h"
#include "settings/options/NewKeywordFrmUnit.h"
#include "shell/SaveDocChangeFrm.h"
#include "shell/explorer/CreateDirFrm.h"
#include "shell/explorer/FolderChooser.h"
#include "shell/explorer/ProjectFolderDialog.h"
#include "shell/help/AboutFrm.h"
#include "shell/tools/UserToolsDialog.h"
#include "spelling/SpellCheckUnit.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

// Every dialog and wizard opens with the focus on its first control in tab order, and that
// control is the top left one (not the OK button, which Return would press).
class TestDialogFocus : public QObject
{
    Q_OBJECT
private slots:
    void opensOnFirstControl_data();
    void opensOnFirstControl();
};

namespace {

using Maker = std::function<QDialog *()>;

QList<QWidget *> tabOrder(QDialog *dialog)
{
    QList<QWidget *> order;
    for (QWidget *w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(dialog) && w->isEnabled()
            && !order.contains(w))
            order.append(w);
    }
    return order;
}

QString describe(QWidget *w)
{
    return w ? QStringLiteral("%1 (%2)").arg(w->objectName(),
                                             QLatin1String(w->metaObject()->className()))
             : QStringLiteral("nothing");
}

} // namespace

void TestDialogFocus::opensOnFirstControl_data()
{
    QTest::addColumn<Maker>("make");
    const auto none = [](const QString &) {};
    const ProjectGetter project = [] { return ProjectSettings(); };
    QTest::newRow("check box") << Maker([=] { return new TCheckBoxGenFrm(none); });
    QTest::newRow("radio button") << Maker([=] { return new TRadioButtonFrm(none); });
    QTest::newRow("text field") << Maker([=] { return new TTextfieldFrm(none); });
    QTest::newRow("password") << Maker([=] { return new TPasswordFieldFrm(none); });
    QTest::newRow("image button") << Maker([=] { return new TImageButtonFrm(project, none); });
    QTest::newRow("hidden") << Maker([=] { return new THidnFieldFrm(none); });
    QTest::newRow("file") << Maker([=] { return new TFileFieldFrm(none); });
    QTest::newRow("button") << Maker([=] { return new TKnappeForm(none); });
    QTest::newRow("text area") << Maker([=] { return new TTextArea(none); });
    QTest::newRow("image") << Maker([=] { return new TBildeFrm(project, none); });
    WizardHost wizardHost;
    wizardHost.insertText = none;
    wizardHost.project = project;
    QTest::newRow("comment") << Maker([=] { return new TKommentForm(wizardHost); });
    QTest::newRow("table") << Maker([=] { return new TTableForm(wizardHost); });
    QTest::newRow("ordered list") << Maker([=] { return new TOLtagFrm(wizardHost); });
    QTest::newRow("unordered list") << Maker([=] { return new TULtagFrm(wizardHost); });
    QTest::newRow("selection list") << Maker([=] { return new TPopupMenuForm(wizardHost); });
    QTest::newRow("font") << Maker([=] { return new TFontForm(wizardHost); });
    QTest::newRow("font view") << Maker([] { return new TFontViewFrm; });
    QTest::newRow("object") << Maker([=] { return new TMediaForm(wizardHost); });
    QTest::newRow("horizontal rule") << Maker([=] { return new THorisontalLinjalFrm(wizardHost); });
    QTest::newRow("link") << Maker([=] { return new TLinkForm(wizardHost); });
    QTest::newRow("browser window") << Maker([=] { return new TBrowserFrm(project); });
    QTest::newRow("status line") << Maker([] { return new TStatusLinjeFrm; });
    QTest::newRow("link menu") << Maker([=] { return new TLinkScriptFrm(wizardHost); });
    QTest::newRow("rollover") << Maker([=] { return new TRolloverForm(wizardHost); });
    QTest::newRow("random images") << Maker([=] { return new TTilfeldigebilderFrm1(wizardHost); });
    QTest::newRow("browser information") << Maker([=] { return new TNettleserInfFrm(wizardHost); });
    const CodeTarget code;
    QTest::newRow("exception") << Maker([=] { return new TExeptionFrm(code); });
    QTest::newRow("class") << Maker([=] { return new TJavaKlasseWizFrm(code); });
    QTest::newRow("expression") << Maker([=] { return new TExpBuilder(code); });
    QTest::newRow("try and catch") << Maker([=] { return new TUnntak(code); });
    QTest::newRow("create folder") << Maker([] { return new TCreateDirFrm(QDir::tempPath()); });
    QTest::newRow("project folder") << Maker([] { return new TProsjektKatFrm({}, {}); });
    QTest::newRow("save changes") << Maker([] {
        auto *d = new TSaveDocChangeFrm;
        d->addDocument(QStringLiteral("a.txt"));
        return d;
    });
    QTest::newRow("user tool") << Maker([] { return new TUserToolFrm; });
    QTest::newRow("choose folder") << Maker([] { return new TVelgKatalogFrm(QDir::tempPath()); });
    QTest::newRow("spell check") << Maker([] { return new TSpellCheckFrm; });
    QTest::newRow("compile result") << Maker([] { return new TCompiler1(nullptr); });
    QTest::newRow("output") << Maker([] { return new TOutputForm1(nullptr); });
    QTest::newRow("Java statistics") << Maker([] { return new TStatisticsFrm(nullptr); });
    QTest::newRow("HTML statistics") << Maker([] { return new TStatisticsHTMLFrm(nullptr); });
    QTest::newRow("statistics") << Maker([] { return new TGeneralStatistics(nullptr); });
    QTest::newRow("about") << Maker([] { return new TAbout; });
    QTest::newRow("keywords") << Maker([] { return new TKeywordFrm; });
    QTest::newRow("variable tracker") << Maker([] {
        return new TVarTrackerFrm([](const QString &) { return QStringList {"int count"}; });
    });
}

void TestDialogFocus::opensOnFirstControl()
{
    QFETCH(Maker, make);
    FakePrompter prompter;
    std::unique_ptr<QDialog> dialog(make());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    const QList<QWidget *> order = tabOrder(dialog.get());
    if (order.isEmpty())
        return; // nothing to type into or press yet (a result window before its compile ends)
    QCOMPARE(describe(QApplication::focusWidget()), describe(order.first()));
    // The first control is the one the eye meets first: no other stands above it, or level
    // with it further left.
    const QPoint first = order.first()->mapTo(dialog.get(), QPoint(0, 0));
    for (QWidget *w : order) {
        const QPoint at = w->mapTo(dialog.get(), QPoint(0, 0));
        const bool level =
            at.y() < first.y() + order.first()->height() && first.y() < at.y() + w->height();
        QVERIFY2(level ? at.x() >= first.x() : at.y() > first.y(),
                 qPrintable(describe(w) + " stands before " + describe(order.first())));
    }
}

QTEST_MAIN(TestDialogFocus)
#include "tst_dialogfocus.moc"
