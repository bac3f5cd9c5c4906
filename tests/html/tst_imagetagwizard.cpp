#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "TempProgramFolder.h"
#include "TestFiles.h"
#include "html/text/ImageTag.h"
#include "html/widgets/SpinEdit.h"
#include "html/wizards/ImageTagWizard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

Q_DECLARE_METATYPE(BildeTagFields)

namespace {

QByteArray le16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF);
}

// A GIF without a colour table whose image descriptor gives width x height.
QByteArray gif(int width, int height)
{
    return QByteArray("GIF89a") + le16(width) + le16(height) + QByteArray(3, '\0') + ',' + le16(0)
        + le16(0) + le16(width) + le16(height) + '\0';
}

} // namespace

class TestBildeFrm : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_dir;
    QString m_pictures, m_root;
    ProjectSettings m_project;
    QStringList m_inserted;
    std::unique_ptr<FakePrompter> m_prompter;
    std::unique_ptr<FakeFileDialogs> m_dialogs;
    std::unique_ptr<TBildeFrm> w;

    // The picture dialog answers with file, then Find.. is pressed.
    void find(const QString &file, QPushButton *button = nullptr)
    {
        m_dialogs->answerFiles({file});
        (button ? button : w->Button1)->click();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<TempProgramFolder>();
        m_pictures = m_dir->filePath("pictures");
        m_root = m_dir->filePath("project");
        QDir().mkpath(m_root);
        QVERIFY(TestFiles::write(m_pictures + "/logo.gif", gif(120, 60)));
        m_inserted.clear();
        m_project = {m_root, "images"};
        m_prompter = std::make_unique<FakePrompter>();
        m_dialogs = std::make_unique<FakeFileDialogs>();
        // The wizard reads the project whenever it needs it, as it reads the main window's.
        w = std::make_unique<TBildeFrm>([this] { return m_project; },
                                        [this](const QString &t) { m_inserted.append(t); });
    }

    void cleanup()
    {
        w.reset();
        m_dialogs.reset();
        m_prompter.reset();
        m_dir.reset();
    }

    void tag_data()
    {
        QTest::addColumn<BildeTagFields>("fields");
        QTest::addColumn<QString>("projectFolder");
        QTest::addColumn<QString>("imageFolder");
        QTest::addColumn<QString>("expected");
        BildeTagFields all {"a.gif", "1",   "2",   "n",       "left", "3",
                            "4",     "alt", "map", "low.gif", "5",    true};
        const QString rest = R"( Height="1" Width="2" Name="n" Align="left" hspace="3" vspace="4")"
                             R"( alt="alt" usemap="#map" lowsrc="low.gif" border="5" ismap>)";
        QTest::newRow("nothing") << BildeTagFields() << ""
                                 << "images"
                                 << "<img>";
        QTest::newRow("all, no project") << all << ""
                                         << "images"
                                         << R"(<img src="a.gif")" + rest;
        QTest::newRow("all, project") << all << "/p"
                                      << "images"
                                      << R"(<img src="images/a.gif")" + rest;
        all.file.clear();
        QTest::newRow("no file, no src") << all << "/p"
                                         << "images"
                                         << "<img" + rest;
        BildeTagFields file;
        file.file = "a.gif";
        QTest::newRow("blank image folder") << file << "/p"
                                            << " \t"
                                            << R"(<img src="a.gif">)";
    }

    void tag()
    {
        QFETCH(BildeTagFields, fields);
        QFETCH(QString, projectFolder);
        QFETCH(QString, imageFolder);
        QFETCH(QString, expected);
        QCOMPARE(BildeTag::build(fields, {projectFolder, imageFolder}), expected);
    }

    // OK with empty fields writes the border alone. The border field cleared by the user stays
    // empty when the focus leaves it for OK, so the tag is bare; a number typed or stepped to
    // gives the attribute back.
    void emptyFieldsAndClearedBorder()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->Button3->click();
        QVERIFY(!w->isVisible());
        w->show();
        QLineEdit *border = w->SpinEdit1->findChild<QLineEdit *>();
        w->SpinEdit1->setFocus();
        border->selectAll();
        QTest::keyClick(border, Qt::Key_Backspace);
        QTest::mouseClick(w->Button3, Qt::LeftButton);
        QCOMPARE(border->text(), QString());

        w->show();
        w->SpinEdit1->setFocus();
        QTest::keyClick(w->SpinEdit1, Qt::Key_Up);
        w->ComboBox1->setCurrentIndex(7);
        QTest::mouseClick(w->Button3, Qt::LeftButton);
        QCOMPARE(m_inserted,
                 (QStringList {"<img border=\"0\">", "<img>", R"(<img Align="left" border="1">)"}));
    }

    // A GIF picked from another folder into a project.
    void findCopiesIntoProjectAndMeasures()
    {
        find(m_pictures + "/logo.gif");
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs->calls.at(0).request.filter),
                 QString("GIF (*.gif)|*.gif|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg|PNG (*.png)|*.png"));
        QCOMPARE(w->Edit1->text(), QString("logo.gif"));
        QCOMPARE(TestFiles::read(m_root + "/images/logo.gif"), gif(120, 60));
        QVERIFY(m_prompter->calls.isEmpty());
        w->Edit6->setText("The logo");
        w->Button3->click();
        QCOMPARE(
            m_inserted,
            QStringList {
                R"(<img src="images/logo.gif" Height="60" Width="120" alt="The logo" border="0">)"});
    }

    void findWithoutProjectWarnsAndNamesFullPath()
    {
        m_project.projectFolder.clear();
        QVERIFY(TestFiles::write(m_pictures + "/LOGO.GIF", gif(7, 9)));
        find(m_pictures + "/LOGO.GIF");
        QCOMPARE(w->Edit1->text(), m_pictures + "/LOGO.GIF");
        QCOMPARE(w->Width1->text(), QString("7")); // upper-case extension: still the GIF reader
        QCOMPARE(m_prompter->calls.size(), 1);
        QCOMPARE(m_prompter->calls[0].caption, QString("WARNING!"));
        QCOMPARE(m_prompter->calls[0].text, CopyToProjectFolder::noProjectWarning());
        QCOMPARE(m_prompter->calls[0].icon, Prompter::Warning);
        QVERIFY(!QFile::exists(m_root + "/images"));

        // A project chosen before OK takes the picture: OK copies it there and names it
        // inside the image folder, not by its old full path.
        m_project = {m_root, "img"};
        w->Button3->click();
        QCOMPARE(m_inserted.size(), 1);
        QVERIFY2(m_inserted.first().startsWith(R"(<img src="img/LOGO.GIF" Height="9" Width="7")"),
                 qPrintable(m_inserted.first()));
        QCOMPARE(TestFiles::read(m_root + "/img/LOGO.GIF"), gif(7, 9));
        QCOMPARE(m_prompter->calls.size(), 1);
    }

    // A picture its reader cannot measure leaves the size fields empty.
    void unmeasurablePictureLeavesSizeEmpty()
    {
        w->Width1->setText("111");
        w->Height1->setText("222");
        QVERIFY(TestFiles::write(m_pictures + "/j.png",
                                 QByteArray("\xFF\xD8\xFF\xC0\0\x11\x08\0\x10\0\x20", 11)));
        find(m_pictures + "/j.png");
        QCOMPARE(w->Edit1->text(), QStringLiteral("j.png"));
        QCOMPARE(w->buildTag(), QStringLiteral(R"(<img src="images/j.png" border="0">)"));
    }

    void unopenablePictureEndsTheCommand()
    {
        w->Edit1->setText("before.gif");
        find(m_pictures + "/gone.jpg");
        QCOMPARE(m_prompter->calls.size(), 1);
        QCOMPARE(m_prompter->calls[0].icon, Prompter::Error);
        QVERIFY(m_prompter->calls[0].text.contains("gone.jpg"));
        QCOMPARE(w->Edit1->text(), QString("before.gif"));
    }

    // Picking the copy that already lies in the image folder leaves it whole; another picture
    // of that name replaces it.
    void pickingIntoTheImageFolder()
    {
        const QString inside = m_root + "/images/logo.gif";
        QVERIFY(TestFiles::write(inside, gif(120, 60)));
        find(inside);
        QCOMPARE(TestFiles::read(inside), gif(120, 60));
        QCOMPARE(w->Edit1->text(), QString("logo.gif"));
        QCOMPARE(w->Width1->text(), QString("120"));
        QVERIFY(m_prompter->calls.isEmpty());

        QVERIFY(TestFiles::write(m_dir->filePath("other/logo.gif"), gif(1, 2)));
        find(m_dir->filePath("other/logo.gif"));
        QCOMPARE(TestFiles::read(inside), gif(1, 2));
        QCOMPARE(w->Height1->text(), QString("2"));
        QCOMPARE(QDir(m_root + "/images").entryList(QDir::Files), QStringList {"logo.gif"});
    }

    // A copy that fails is reported with the file's name; the field and tag still follow.
    void failedCopyIsReported()
    {
        m_project.projectFolder = m_dir->filePath("missing");
        find(m_pictures + "/logo.gif");
        QCOMPARE(m_prompter->calls.size(), 1);
        QVERIFY(m_prompter->calls[0].text.contains(m_pictures + "/logo.gif"));
        QCOMPARE(w->Width1->text(), QString("120"));
        QVERIFY(w->buildTag().startsWith(R"(<img src="images/logo.gif")"));
    }

    void lowsrcNeverCopiesNorWarns()
    {
        FakeHelpViewer help;
        for (const QString &root : {QString(), m_root}) {
            m_project.projectFolder = root;
            find(m_pictures + "/logo.gif", w->Button4);
            QCOMPARE(w->Edit9->text(), m_pictures + "/logo.gif");
        }
        QVERIFY(m_prompter->calls.isEmpty());
        QVERIFY(!QFile::exists(m_root + "/images"));
        w->Button5->click();
        QCOMPARE(help.pages, QStringList {"HID_IMAGEDLG"});
    }
};

QTEST_MAIN(TestBildeFrm)
#include "tst_imagetagwizard.moc"
