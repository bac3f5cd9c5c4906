#include <QtTest>

#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "html/FormFieldButton.h"
#include "html/FormFieldCheckBox.h"
#include "html/FormFieldFile.h"
#include "html/FormFieldHidden.h"
#include "html/FormFieldImageButton.h"
#include "html/FormFieldOpeners.h"
#include "html/BildeFrm.h"
#include "html/FormFieldPassword.h"
#include "html/FormFieldRadioButton.h"
#include "html/FormFieldTextArea.h"
#include "html/FormFieldTextField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

using Fields = QMap<QString, QString>; // objectName -> text; "CheckBox1" "1" ticks; combos take an index

namespace {

struct Sink {
    QStringList lines;
    FormFieldWizard::InsertText inserter()
    {
        return [this](const QString &text) { lines.append(text); };
    }
};

FormFieldWizard *makeWizard(const QString &kind, const ProjectSettings &project,
                            FormFieldWizard::InsertText insert)
{
    if (kind == "checkbox")
        return new TCheckBoxGenFrm(insert);
    if (kind == "radio")
        return new TRadioButtonFrm(insert);
    if (kind == "text")
        return new TTextfieldFrm(insert);
    if (kind == "password")
        return new TPasswordFieldFrm(insert);
    if (kind == "image")
        return new TImageButtonFrm([project] { return project; }, insert);
    if (kind == "hidden")
        return new THidnFieldFrm(insert);
    if (kind == "file")
        return new TFileFieldFrm(insert);
    if (kind == "button")
        return new TKnappeForm(insert);
    return new TTextArea(insert);
}

void fill(QWidget *wizard, const Fields &fields)
{
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        QObject *child = wizard->findChild<QObject *>(it.key());
        QVERIFY2(child, qPrintable(it.key()));
        if (auto *edit = qobject_cast<QLineEdit *>(child))
            edit->setText(it.value());
        else if (auto *box = qobject_cast<QCheckBox *>(child))
            box->setChecked(it.value() == "1");
        else if (auto *combo = qobject_cast<QComboBox *>(child))
            combo->setCurrentIndex(it.value().toInt());
    }
}

std::function<void()> entry(const QList<QPair<QString, std::function<void()>>> &list, const QString &name)
{
    for (const auto &e : list)
        if (e.first == name)
            return e.second;
    return [] {};
}

const QStringList kinds{"checkbox", "radio", "text", "password", "image", "hidden", "file", "button", "textarea"};

} // namespace

class TestFormFields : public QObject
{
    Q_OBJECT

private slots:
    void line_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("expected");

        QTest::newRow("checkbox empty") << "checkbox" << Fields{} << R"(<input type="checkbox">)";
        QTest::newRow("checkbox filled") << "checkbox" << Fields{{"Edit1", "x"}, {"Edit2", "Yes"}}
                                         << R"(<input type="checkbox" name="x">Yes)";
        QTest::newRow("checkbox blank") << "checkbox" << Fields{{"Edit1", "   "}, {"Edit2", " \t"}}
                                        << R"(<input type="checkbox">)";
        QTest::newRow("checkbox checked, leading blank kept")
            << "checkbox" << Fields{{"Edit1", " x"}, {"CheckBox1", "1"}, {"Edit2", " Yes"}}
            << R"(<input type="checkbox" name=" x" checked> Yes)";
        QTest::newRow("radio empty") << "radio" << Fields{} << R"(<input type="radio">)";
        QTest::newRow("radio filled") << "radio" << Fields{{"Edit1", "g"}, {"Edit2", "A"}, {"CheckBox1", "1"}}
                                      << R"(<input type="radio" name="g" checked>A)";
        QTest::newRow("text empty") << "text" << Fields{} << R"(<input type="text">)";
        QTest::newRow("text blank") << "text" << Fields{{"Edit1", "   "}, {"Edit2", " "}, {"Edit3", "  "}}
                                    << R"(<input type="text">)";
        QTest::newRow("text filled") << "text" << Fields{{"Edit1", "n"}, {"Edit2", "v \"q\""}, {"Edit3", "20"}}
                                     << R"(<input type="text" name="n" value="v "q"" size="20">)";
        QTest::newRow("password empty") << "password" << Fields{} << R"(<input type="password">)";
        QTest::newRow("password filled") << "password" << Fields{{"Edit1", "pw"}, {"Edit3", "8"}}
                                         << R"(<input type="password" name="pw" size="8">)";
        QTest::newRow("image initial") << "image" << Fields{} << R"(<input type="image" src="#">)";
        QTest::newRow("image blank") << "image" << Fields{{"Edit1", "  "}, {"Edit2", "  "}}
                                     << R"(<input type="image">)";
        QTest::newRow("image filled") << "image" << Fields{{"Edit1", "go"}, {"Edit2", "b.gif"}}
                                      << R"(<input type="image" name="go" src="b.gif">)";
        QTest::newRow("hidden empty") << "hidden" << Fields{} << R"(<input type="hidden">)";
        QTest::newRow("hidden filled") << "hidden" << Fields{{"Edit1", "id"}, {"Edit2", "7"}}
                                       << R"(<input type="hidden" name="id" value="7">)";
        QTest::newRow("file empty") << "file" << Fields{{"Edit1", " "}} << R"(<input type="file">)";
        QTest::newRow("file filled") << "file" << Fields{{"Edit1", "up"}, {"Edit2", "30"}}
                                     << R"(<input type="file" name="up" size="30">)";
        QTest::newRow("button empty") << "button" << Fields{} << R"(<input type="button">)";
        QTest::newRow("button blank") << "button" << Fields{{"NameField", "  "}, {"ValueField", " "}}
                                      << R"(<input type="button">)";
        QTest::newRow("button type last") << "button"
                                          << Fields{{"NameField", "n"}, {"ValueField", "Go"}, {"ChooseCombo", "2"}}
                                          << R"(<input name="n" value="Go" type="reset">)";
        QTest::newRow("button send") << "button" << Fields{{"ChooseCombo", "1"}} << R"(<input type="submit">)";
        QTest::newRow("button ordinary") << "button" << Fields{{"ChooseCombo", "0"}} << R"(<input type="button">)";
        QTest::newRow("textarea initial") << "textarea" << Fields{} << R"(<textarea rows="10" cols="30"></textarea>)";
        QTest::newRow("textarea blank name written")
            << "textarea" << Fields{{"Edit1", "   "}} << R"(<textarea Name="   " rows="10" cols="30"></textarea>)";
        QTest::newRow("textarea empty, physical")
            << "textarea" << Fields{{"Edit2", ""}, {"Edit3", ""}, {"ComboBox1", "1"}}
            << R"(<textarea wrap="physical"></textarea>)";
        QTest::newRow("textarea filled")
            << "textarea" << Fields{{"Edit1", "t"}, {"Edit2", "5"}, {"Edit3", "40"}, {"ComboBox1", "0"}}
            << R"(<textarea Name="t" rows="5" cols="40" wrap="virtual"></textarea>)";
        QTest::newRow("textarea off") << "textarea" << Fields{{"ComboBox1", "2"}}
                                      << R"(<textarea rows="10" cols="30" wrap="off"></textarea>)";
    }

    // OK inserts exactly one line, then the wizard closes.
    void line()
    {
        QFETCH(QString, kind);
        QFETCH(Fields, fields);
        QFETCH(QString, expected);
        Sink sink;
        ProjectSettings project;
        QPointer<FormFieldWizard> wizard = makeWizard(kind, project, sink.inserter());
        wizard->show();
        fill(wizard, fields);
        QTest::mouseClick(wizard->okButton(), Qt::LeftButton);
        QCOMPARE(sink.lines, QStringList{expected});
        if (wizard) {
            QVERIFY(!wizard->isVisible());
            delete wizard;
        }
    }

    void cancelInsertsNothingAndOnlyButtonAndTextAreaFreeThemselves()
    {
        for (const QString &kind : kinds) {
            Sink sink;
            ProjectSettings project;
            QPointer<FormFieldWizard> wizard = makeWizard(kind, project, sink.inserter());
            wizard->show();
            QTest::mouseClick(wizard->cancelButton(), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(sink.lines.isEmpty());
            const bool freesItself = kind == "button" || kind == "textarea";
            QCOMPARE(wizard.isNull(), freesItself);
            delete wizard;
        }
    }

    void help_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("checkbox") << "checkbox" << "Button3" << QStringList{"HID_CHECKBOX"};
        QTest::newRow("radio") << "radio" << "Button3" << QStringList{"HID_RADIOBUTTONDLG"};
        QTest::newRow("text") << "text" << "Button3" << QStringList{"HID_TEXTFIELDDLG"};
        QTest::newRow("password") << "password" << "Button3" << QStringList{"HID_PWDFIELDDLG"};
        QTest::newRow("image") << "image" << "Button3" << QStringList{"HID_IMAGEBUTTON"};
        QTest::newRow("hidden") << "hidden" << "Button3" << QStringList{};
        QTest::newRow("file") << "file" << "Button3" << QStringList{};
        QTest::newRow("button") << "button" << "Button1" << QStringList{"HID_BUTTON"};
        QTest::newRow("textarea") << "textarea" << "Button1" << QStringList{"HID_TEXTAREA"};
    }

    void help()
    {
        QFETCH(QString, kind);
        QFETCH(QString, button);
        QFETCH(QStringList, pages);
        FakeHelpViewer help;
        Sink sink;
        ProjectSettings project;
        std::unique_ptr<FormFieldWizard> wizard(makeWizard(kind, project, sink.inserter()));
        auto *helpButton = wizard->findChild<QPushButton *>(button);
        QVERIFY(helpButton);
        QCOMPARE(helpButton, wizard->helpButton());
        helpButton->click();
        QCOMPARE(help.pages, pages);
        QVERIFY(wizard->isVisible() == false && sink.lines.isEmpty());
    }

    // Each of two open wizards inserts through its own opener's target at its own OK.
    void twoWizardsAtOnce()
    {
        Sink first, second;
        TCheckBoxGenFrm a(first.inserter()), b(second.inserter());
        a.show();
        b.show();
        a.Edit1->setText("a");
        b.Edit1->setText("b");
        b.okButton()->click();
        a.okButton()->click();
        QCOMPARE(first.lines, QStringList{R"(<input type="checkbox" name="a">)"});
        QCOMPARE(second.lines, QStringList{R"(<input type="checkbox" name="b">)"});
    }

    // Every opener makes a new wizard of its kind, owned by the main window and shown;
    // OK in it goes through the main window's insertion.
    void openers()
    {
        QWidget owner;
        Sink sink;
        const WizardHost host{&owner, sink.inserter(), [] { return ProjectSettings(); }};
        const QHash<QString, QByteArray> expected{
            {"SpeedButton22Click", "TCheckBoxGenFrm"}, {"SpeedButton23Click", "TRadioButtonFrm"},
            {"SpeedButton24Click", "TTextfieldFrm"}, {"SpeedButton25Click", "TFileFieldFrm"},
            {"SpeedButton27Click", "TPasswordFieldFrm"}, {"SpeedButton102Click", "THidnFieldFrm"},
            {"SpeedButton21Click", "TKnappeForm"}, {"SpeedButton26Click", "TTextArea"},
            {"SpeedButton29Click", "TImageButtonFrm"}, {"SpeedButton30Click", "TBildeFrm"}};
        const auto list = FormFieldOpeners::openers(host);
        QCOMPARE(list.size(), expected.size());
        for (const auto &entry : list) {
            for (int copy = 1; copy <= 2; ++copy) {
                entry.second();
                const QList<QDialog *> open = owner.findChildren<QDialog *>(Qt::FindDirectChildrenOnly);
                QCOMPARE(open.size(), copy);
                QCOMPARE(QByteArray(open.last()->metaObject()->className()), expected.value(entry.first));
                QVERIFY(open.last()->isVisible());
            }
            qDeleteAll(owner.findChildren<QDialog *>(Qt::FindDirectChildrenOnly));
        }
        entry(list, "SpeedButton30Click")();
        auto *image = owner.findChild<TBildeFrm *>();
        image->Edit1->setText("a.gif");
        image->Button3->click();
        QCOMPARE(sink.lines, QStringList{R"(<img src="a.gif" border="0">)"});
    }

    // A picked picture is copied into the image folder and the page points at the copy.
    void imageButtonPicksIntoProject()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("project");
        QDir(dir.path()).mkpath("pictures");
        const QString picture = dir.filePath("pictures/knapp.gif");
        QFile f(picture);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("GIF89a");
        f.close();

        FakePrompter prompter;
        FakeFileDialogs dialogs;
        Sink sink;
        ProjectSettings project{dir.filePath("project"), "images"};
        TImageButtonFrm wizard([&] { return project; }, sink.inserter());
        dialogs.answerFiles({picture});
        wizard.Button4->click();
        QCOMPARE(wizard.Edit2->text(), QString("knapp.gif"));
        QVERIFY(QFile::exists(dir.filePath("project/images/knapp.gif")));
        QVERIFY(prompter.calls.isEmpty());
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(dialogs.calls[0].request.filter.size(), 3);
        QCOMPARE(wizard.buildText(), QString(R"(<input type="image" src="images/knapp.gif">)"));

        // Typed by hand, the source is written as typed.
        wizard.Edit2->setText("other.gif");
        QCOMPARE(wizard.buildText(), QString(R"(<input type="image" src="other.gif">)"));

        // Without a project: the full path and the warning.
        ProjectSettings none;
        TImageButtonFrm local([&] { return none; }, sink.inserter());
        dialogs.answerFiles({picture});
        local.Button4->click();
        QCOMPARE(local.Edit2->text(), picture);
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].caption, QString("WARNING!"));
        QCOMPARE(prompter.calls[0].icon, Prompter::Warning);
        QCOMPARE(local.buildText(), QString(R"(<input type="image" src=")") + picture + "\">");
    }
};

QTEST_MAIN(TestFormFields)
#include "tst_formfields.moc"
