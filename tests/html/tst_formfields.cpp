#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "ShellFixture.h"
#include "TempProgramFolder.h"
#include "app/Features.h"
#include "html/commands/HtmlCommands.h"
#include "html/formfields/FormFieldButton.h"
#include "html/formfields/FormFieldCheckBox.h"
#include "html/formfields/FormFieldFile.h"
#include "html/formfields/FormFieldHidden.h"
#include "html/formfields/FormFieldImageButton.h"
#include "html/formfields/FormFieldPassword.h"
#include "html/formfields/FormFieldRadioButton.h"
#include "html/formfields/FormFieldTextArea.h"
#include "html/formfields/FormFieldTextField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using Fields =
    QMap<QString, QString>; // objectName -> text; "CheckBox1" "1" ticks; combos take an index

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

const QStringList kinds {"checkbox", "radio", "text",   "password", "image",
                         "hidden",   "file",  "button", "textarea"};

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
        auto row = [](const char *name, const char *kind, const Fields &fields,
                      const char *expected) {
            QTest::newRow(name) << QString(kind) << fields << QString(expected);
        };
        const QString b = "   ";
        row("checkbox empty", "checkbox", {}, R"(<input type="checkbox">)");
        row("checkbox blank", "checkbox", {{"Edit1", b}, {"Edit2", " \t"}},
            R"(<input type="checkbox">)");
        row("checkbox filled", "checkbox", {{"Edit1", "x"}, {"Edit2", "Yes"}},
            R"(<input type="checkbox" name="x">Yes)");
        row("checkbox leading blanks kept", "checkbox",
            {{"Edit1", " x"}, {"CheckBox1", "1"}, {"Edit2", " Yes"}},
            R"(<input type="checkbox" name=" x" checked> Yes)");
        row("radio empty", "radio", {}, R"(<input type="radio">)");
        row("radio blank", "radio", {{"Edit1", b}, {"Edit2", b}}, R"(<input type="radio">)");
        row("radio filled", "radio", {{"Edit1", "g"}, {"Edit2", "A"}, {"CheckBox1", "1"}},
            R"(<input type="radio" name="g" checked>A)");
        row("text empty", "text", {}, R"(<input type="text">)");
        row("text blank", "text", {{"Edit1", b}, {"Edit2", b}, {"Edit3", b}},
            R"(<input type="text">)");
        row("text filled", "text", {{"Edit1", "n"}, {"Edit2", "v \"q\""}, {"Edit3", "20"}},
            R"(<input type="text" name="n" value="v "q"" size="20">)");
        row("password empty", "password", {}, R"(<input type="password">)");
        row("password blank", "password", {{"Edit1", b}, {"Edit2", b}, {"Edit3", b}},
            R"(<input type="password">)");
        row("password filled", "password", {{"Edit1", "pw"}, {"Edit3", "8"}},
            R"(<input type="password" name="pw" size="8">)");
        row("image initial", "image", {}, "<input type=\"image\" src=\"#\">");
        row("image empty", "image", {{"Edit2", ""}}, R"(<input type="image">)");
        row("image blank", "image", {{"Edit1", b}, {"Edit2", b}}, R"(<input type="image">)");
        row("image filled", "image", {{"Edit1", "go"}, {"Edit2", "b.gif"}},
            R"(<input type="image" name="go" src="b.gif">)");
        row("hidden empty", "hidden", {}, R"(<input type="hidden">)");
        row("hidden blank", "hidden", {{"Edit1", b}, {"Edit2", b}}, R"(<input type="hidden">)");
        row("hidden filled", "hidden", {{"Edit1", "id"}, {"Edit2", "7"}},
            R"(<input type="hidden" name="id" value="7">)");
        row("file empty", "file", {}, R"(<input type="file">)");
        row("file blank", "file", {{"Edit1", b}, {"Edit2", b}}, R"(<input type="file">)");
        row("file filled", "file", {{"Edit1", "up"}, {"Edit2", "30"}},
            R"(<input type="file" name="up" size="30">)");
        row("button empty", "button", {}, R"(<input type="button">)");
        row("button blank", "button", {{"NameField", b}, {"ValueField", b}},
            R"(<input type="button">)");
        row("button filled, type last", "button",
            {{"NameField", "n"}, {"ValueField", "Go"}, {"ChooseCombo", "2"}},
            R"(<input name="n" value="Go" type="reset">)");
        row("button send", "button", {{"ChooseCombo", "1"}}, R"(<input type="submit">)");
        row("textarea initial", "textarea", {}, R"(<textarea rows="10" cols="30"></textarea>)");
        row("textarea empty, physical", "textarea",
            {{"Edit2", ""}, {"Edit3", ""}, {"ComboBox1", "1"}},
            R"(<textarea wrap="physical"></textarea>)");
        row("textarea blank written", "textarea", {{"Edit1", b}, {"Edit2", " "}},
            R"(<textarea Name="   " rows=" " cols="30"></textarea>)");
        row("textarea filled", "textarea",
            {{"Edit1", "t"}, {"Edit2", "5"}, {"Edit3", "40"}, {"ComboBox1", "0"}},
            R"(<textarea Name="t" rows="5" cols="40" wrap="virtual"></textarea>)");
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
        QCOMPARE(sink.lines, QStringList {expected});
        if (wizard) {
            QVERIFY(!wizard->isVisible());
            delete wizard;
        }
    }

    // Cancel inserts nothing; only the button and text-area wizards free themselves;
    // Help opens the wizard's topic (none for the hidden and file fields).
    void cancelAndHelp()
    {
        const QHash<QString, QString> topics {
            {"checkbox", "HID_CHECKBOX"}, {"radio", "HID_RADIOBUTTONDLG"},
            {"text", "HID_TEXTFIELDDLG"}, {"password", "HID_PWDFIELDDLG"},
            {"image", "HID_IMAGEBUTTON"}, {"button", "HID_BUTTON"},
            {"textarea", "HID_TEXTAREA"}};
        for (const QString &kind : kinds) {
            FakeHelpViewer help;
            Sink sink;
            QPointer<FormFieldWizard> wizard = makeWizard(kind, ProjectSettings(), sink.inserter());
            const bool bitButtons = kind == "button" || kind == "textarea";
            QCOMPARE(wizard->helpButton()->objectName(),
                     QString(bitButtons ? "Button1" : "Button3"));
            wizard->helpButton()->click();
            QCOMPARE(help.pages,
                     topics.contains(kind) ? QStringList {topics.value(kind)} : QStringList());
            wizard->show();
            wizard->cancelButton()->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(sink.lines.isEmpty());
            QCOMPARE(wizard.isNull(), bitButtons);
            delete wizard;
        }
    }

    // Every form-field opener makes a new wizard of its kind, owned by the main window, shown,
    // and freed when it closes.
    void openers()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        main->action("HTMLdocument1")->trigger();
        const QHash<QString, QByteArray> expected {
            {"SpeedButton22Click", "TCheckBoxGenFrm"},   {"SpeedButton23Click", "TRadioButtonFrm"},
            {"SpeedButton24Click", "TTextfieldFrm"},     {"SpeedButton25Click", "TFileFieldFrm"},
            {"SpeedButton27Click", "TPasswordFieldFrm"}, {"SpeedButton102Click", "THidnFieldFrm"},
            {"SpeedButton21Click", "TKnappeForm"},       {"SpeedButton26Click", "TTextArea"},
            {"SpeedButton29Click", "TImageButtonFrm"},   {"SpeedButton30Click", "TBildeFrm"}};
        const auto wizardsOf = [main](const QByteArray &className) {
            QList<QDialog *> found;
            for (QDialog *d : main->findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
                if (className == d->metaObject()->className())
                    found.append(d);
            return found;
        };
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            for (int copy = 1; copy <= 2; ++copy) {
                fixture.features().html->run(it.key());
                const QList<QDialog *> open = wizardsOf(it.value());
                QCOMPARE(open.size(), copy);
                QVERIFY(open.last()->isVisible());
            }
            for (QDialog *wizard : wizardsOf(it.value())) {
                QPointer<QDialog> gone(wizard);
                wizard->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY2(!gone, it.value().constData());
            }
        }
    }

    // A picked picture is copied into the image folder and the page points at the copy.
    void imageButtonPicksIntoProject()
    {
        TempProgramFolder dir;
        const QString picture = dir.filePath("pictures/knapp.gif");
        QVERIFY(dir.writeFile("pictures/knapp.gif", "GIF89a")
                && QDir().mkpath(dir.filePath("project")));
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        Sink sink;
        ProjectSettings project {dir.filePath("project"), "images"};
        TImageButtonFrm wizard([&] { return project; }, sink.inserter());
        dialogs.answerFiles({picture});
        wizard.Button4->click();
        QCOMPARE(wizard.Edit2->text(), QString("knapp.gif"));
        QVERIFY(QFile::exists(dir.filePath("project/images/knapp.gif")));
        QVERIFY(prompter.calls.isEmpty());
        QCOMPARE(wizard.buildText(), QString(R"(<input type="image" src="images/knapp.gif">)"));

        // Typed by hand, the source is written as typed.
        wizard.Edit2->setText("other.gif");
        QCOMPARE(wizard.buildText(), QString(R"(<input type="image" src="other.gif">)"));
    }
};

QTEST_MAIN(TestFormFields)
#include "tst_formfields.moc"
