#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "html/text/ImageTag.h"
#include "html/widgets/SpinEdit.h"
#include "html/wizards/ImageTagWizard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBildeFrm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
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
        QDir(m_dir.path()).removeRecursively();
        m_pictures = m_dir.filePath("pictures");
        m_root = m_dir.filePath("project");
        QDir().mkpath(m_pictures);
        QDir().mkpath(m_root);
        QVERIFY(writeFile(m_pictures + "/logo.gif", gif(120, 60)));
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

    void okWithEmptyFieldsAndClearedSpinEdit()
    {
        w->show();
        w->Button3->click();
        QCOMPARE(m_inserted, QStringList {"<img border=\"0\">"});
        QVERIFY(!w->isVisible());
        w->SpinEdit1->findChild<QLineEdit *>()->clear();
        w->ComboBox1->setCurrentIndex(7);
        QCOMPARE(w->buildTag(), QString(R"(<img Align="left">)"));
    }

    // The border field cleared by the user stays empty when the focus leaves it for OK, so
    // the tag is bare; a number typed or stepped to gives the attribute back.
    void clearedBorderSurvivesLeavingTheField()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QLineEdit *border = w->SpinEdit1->findChild<QLineEdit *>();
        w->SpinEdit1->setFocus();
        border->selectAll();
        QTest::keyClick(border, Qt::Key_Backspace);
        QTest::mouseClick(w->Button3, Qt::LeftButton);
        QCOMPARE(m_inserted, QStringList {"<img>"});
        QCOMPARE(border->text(), QString());

        w->show();
        w->SpinEdit1->setFocus();
        QTest::keyClick(w->SpinEdit1, Qt::Key_Up);
        QTest::mouseClick(w->Button3, Qt::LeftButton);
        QCOMPARE(m_inserted.last(), QString(R"(<img border="1">)"));
    }

    // A GIF picked from another folder into a project.
    void findCopiesIntoProjectAndMeasures()
    {
        find(m_pictures + "/logo.gif");
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs->calls.at(0).request.filter),
                 QString("GIF (*.gif)|*.gif|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg|PNG (*.png)|*.png"));
        QCOMPARE(w->Edit1->text(), QString("logo.gif"));
        QCOMPARE(readFile(m_root + "/images/logo.gif"), gif(120, 60));
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
        QVERIFY(writeFile(m_pictures + "/LOGO.GIF", gif(7, 9)));
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
        QCOMPARE(readFile(m_root + "/img/LOGO.GIF"), gif(7, 9));
        QCOMPARE(m_prompter->calls.size(), 1);
    }

    void unmeasurablePictureLeavesSizeEmpty_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("truncated png")
            << "t.png" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIH", 14);
        QTest::newRow("jpeg named png")
            << "j.png" << QByteArray("\xFF\xD8\xFF\xC0\0\x11\x08\0\x10\0\x20", 11);
        QTest::newRow("lower-case gif signature") << "g.gif" << gif(5, 5).replace(0, 3, "gif");
        QTest::newRow("not a jpeg") << "n.jpg" << QByteArray("hello");
    }

    void unmeasurablePictureLeavesSizeEmpty()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        w->Width1->setText("111");
        w->Height1->setText("222");
        QVERIFY(writeFile(m_pictures + "/" + name, bytes));
        find(m_pictures + "/" + name);
        QCOMPARE(w->Edit1->text(), name);
        QCOMPARE(w->buildTag(), QString(R"(<img src="images/%1" border="0">)").arg(name));
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

    // Picking the copy that already lies in the image folder leaves it whole.
    void pickingFromTheImageFolderKeepsThePicture()
    {
        QDir().mkpath(m_root + "/images");
        const QString inside = m_root + "/images/logo.gif";
        QVERIFY(writeFile(inside, gif(120, 60)));
        find(inside);
        QCOMPARE(readFile(inside), gif(120, 60));
        QCOMPARE(w->Edit1->text(), QString("logo.gif"));
        QCOMPARE(w->Width1->text(), QString("120"));
        QVERIFY(m_prompter->calls.isEmpty());
        QCOMPARE(QDir(m_root + "/images").entryList(QDir::Files), QStringList {"logo.gif"});
    }

    void pickingTheSameNameAgainOverwrites()
    {
        find(m_pictures + "/logo.gif");
        QDir().mkpath(m_dir.filePath("other"));
        QVERIFY(writeFile(m_dir.filePath("other/logo.gif"), gif(1, 2)));
        find(m_dir.filePath("other/logo.gif"));
        QCOMPARE(readFile(m_root + "/images/logo.gif"), gif(1, 2));
        QCOMPARE(w->Height1->text(), QString("2"));
        QCOMPARE(QDir(m_root + "/images").entryList(QDir::Files), QStringList {"logo.gif"});
    }

    // A copy that fails is reported with the file's name; the field and tag still follow.
    void failedCopyIsReported()
    {
        m_project.projectFolder = m_dir.filePath("missing");
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
