#include <QtTest>

#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "html/BildeFrm.h"
#include "html/BildeTag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(BildeTagFields)

namespace {

QByteArray le16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }
QByteArray be32(quint32 v)
{
    return QByteArray(1, char(v >> 24)) + char((v >> 16) & 0xFF) + char((v >> 8) & 0xFF) + char(v & 0xFF);
}

// A GIF without a colour table whose image descriptor gives width x height.
QByteArray gif(int width, int height)
{
    return QByteArray("GIF89a") + le16(width) + le16(height) + QByteArray(3, '\0') + ','
           + le16(0) + le16(0) + le16(width) + le16(height) + '\0';
}

QByteArray png(quint32 width, quint32 height)
{
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height)
           + QByteArray("\x08\x02\0\0\0", 5) + be32(0);
}

BildeTagFields file(const QString &name)
{
    BildeTagFields f;
    f.file = name;
    return f;
}

BildeTagFields alt(const QString &text)
{
    BildeTagFields f;
    f.alt = text;
    return f;
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
    QString m_pictures;
    QString m_projectRoot;
    QStringList m_inserted;

    // The wizard reads project whenever it needs it, as it reads the main window's state.
    TBildeFrm *wizard(const ProjectSettings &project)
    {
        return new TBildeFrm([&project] { return project; },
                             [this](const QString &t) { m_inserted.append(t); });
    }

private slots:
    void init()
    {
        m_inserted.clear();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.filePath("pictures"));
        QDir().mkpath(m_dir.filePath("project"));
        m_pictures = m_dir.filePath("pictures");
        m_projectRoot = m_dir.filePath("project");
        QVERIFY(writeFile(m_pictures + "/logo.gif", gif(120, 60)));
    }

    void tag_data()
    {
        QTest::addColumn<BildeTagFields>("fields");
        QTest::addColumn<QString>("projectFolder");
        QTest::addColumn<QString>("imageFolder");
        QTest::addColumn<QString>("expected");

        BildeTagFields empty;
        empty.border = "0";
        QTest::newRow("only the border") << empty << "" << "images" << "<img border=\"0\">";
        QTest::newRow("nothing") << BildeTagFields() << "" << "images" << "<img>";

        BildeTagFields all{"a.gif", "1", "2", "n", "left", "3", "4", "alt", "map", "low.gif", "5", true};
        const QString allAttributes = R"( Height="1" Width="2" Name="n" Align="left" hspace="3" vspace="4")"
                                      R"( alt="alt" usemap="#map" lowsrc="low.gif" border="5" ismap>)";
        QTest::newRow("every attribute, no project")
            << all << "" << "images" << QString(R"(<img src="a.gif")") + allAttributes;
        QTest::newRow("every attribute, project")
            << all << "/p" << "images" << QString(R"(<img src="images/a.gif")") + allAttributes;
        QTest::newRow("blank image folder") << file("a.gif") << "/p" << " \t"
                                            << R"(<img src="a.gif">)";
        QTest::newRow("no file, no src") << alt("x") << "/p"
                                         << "images" << R"(<img alt="x">)";
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
        ProjectSettings project;
        std::unique_ptr<TBildeFrm> w(wizard(project));
        w->show();
        w->Button3->click();
        QCOMPARE(m_inserted, QStringList{"<img border=\"0\">"});
        QVERIFY(!w->isVisible());
        w->SpinEdit1->findChild<QLineEdit *>()->clear();
        w->ComboBox1->setCurrentIndex(7);
        QCOMPARE(w->buildTag(), QString(R"(<img Align="left">)"));
    }

    // The example: a GIF picked from another folder into a project.
    void findCopiesIntoProjectAndMeasures()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project{m_projectRoot, "images"};
        std::unique_ptr<TBildeFrm> w(wizard(project));
        dialogs.answerFiles({m_pictures + "/logo.gif"});
        w->Button1->click();
        QCOMPARE(FileDialogs::toDelphiFilter(dialogs.calls.at(0).request.filter),
                 QString("GIF (*.gif)|*.gif|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg|PNG (*.png)|*.png"));
        QCOMPARE(w->Edit1->text(), QString("logo.gif"));
        QCOMPARE(w->Width1->text(), QString("120"));
        QCOMPARE(w->Height1->text(), QString("60"));
        QCOMPARE(readFile(m_projectRoot + "/images/logo.gif"), gif(120, 60));
        QVERIFY(prompter.calls.isEmpty());
        w->Edit6->setText("The logo");
        w->Button3->click();
        QCOMPARE(m_inserted, QStringList{R"(<img src="images/logo.gif" Height="60" Width="120" alt="The logo" border="0">)"});
    }

    void findWithoutProjectWarnsAndNamesFullPath()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project;
        std::unique_ptr<TBildeFrm> w(wizard(project));
        QVERIFY(writeFile(m_pictures + "/LOGO.GIF", gif(7, 9)));
        dialogs.answerFiles({m_pictures + "/LOGO.GIF"});
        w->Button1->click();
        QCOMPARE(w->Edit1->text(), m_pictures + "/LOGO.GIF");
        QCOMPARE(w->Width1->text(), QString("7")); // upper-case extension: still the GIF reader
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].caption, QString("WARNING!"));
        QCOMPARE(prompter.calls[0].text, CopyToProjectFolder::noProjectWarning());
        QCOMPARE(prompter.calls[0].icon, Prompter::Warning);
        QVERIFY(!QFile::exists(m_projectRoot + "/images"));

        // A project chosen afterwards changes the src but copies nothing.
        project = {m_projectRoot, "img"};
        QVERIFY(w->buildTag().startsWith("<img src=\"img/" + m_pictures + "/LOGO.GIF\""));
        QVERIFY(!QFile::exists(m_projectRoot + "/img/LOGO.GIF"));
    }

    void unmeasurablePictureLeavesSizeEmpty_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("truncated png") << "t.png" << png(300, 200).left(20);
        QTest::newRow("jpeg named png") << "j.png" << QByteArray("\xFF\xD8\xFF\xC0\0\x11\x08\0\x10\0\x20", 11);
        QTest::newRow("lower-case gif signature") << "g.gif" << gif(5, 5).replace(0, 3, "gif");
        QTest::newRow("not a jpeg") << "n.jpg" << QByteArray("hello");
    }

    void unmeasurablePictureLeavesSizeEmpty()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project{m_projectRoot, "images"};
        std::unique_ptr<TBildeFrm> w(wizard(project));
        w->Width1->setText("111");
        w->Height1->setText("222");
        QVERIFY(writeFile(m_pictures + "/" + name, bytes));
        dialogs.answerFiles({m_pictures + "/" + name});
        w->Button1->click();
        QCOMPARE(w->Edit1->text(), name);
        QCOMPARE(w->Width1->text(), QString());
        QCOMPARE(w->Height1->text(), QString());
        QCOMPARE(w->buildTag(), QString(R"(<img src="images/%1" border="0">)").arg(name));
    }

    void pngMeasured()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project{m_projectRoot, "images"};
        std::unique_ptr<TBildeFrm> w(wizard(project));
        QVERIFY(writeFile(m_pictures + "/wide.png", png(70000, 30)));
        dialogs.answerFiles({m_pictures + "/wide.png"});
        w->Button1->click();
        QCOMPARE(w->Width1->text(), QString("4464"));
        QCOMPARE(w->Height1->text(), QString("30"));
    }

    void unopenablePictureEndsTheCommand()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project{m_projectRoot, "images"};
        std::unique_ptr<TBildeFrm> w(wizard(project));
        w->Edit1->setText("before.gif");
        dialogs.answerFiles({m_pictures + "/gone.jpg"});
        w->Button1->click();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].icon, Prompter::Error);
        QVERIFY(prompter.calls[0].text.contains("gone.jpg"));
        QCOMPARE(w->Edit1->text(), QString("before.gif"));
    }

    // Picking the copy that already lies in the image folder leaves it whole.
    void pickingFromTheImageFolderKeepsThePicture()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project{m_projectRoot, "images"};
        QDir().mkpath(m_projectRoot + "/images");
        const QString inside = m_projectRoot + "/images/logo.gif";
        QVERIFY(writeFile(inside, gif(120, 60)));
        std::unique_ptr<TBildeFrm> w(wizard(project));
        dialogs.answerFiles({inside});
        w->Button1->click();
        QCOMPARE(readFile(inside), gif(120, 60));
        QCOMPARE(w->Edit1->text(), QString("logo.gif"));
        QCOMPARE(w->Width1->text(), QString("120"));
        QVERIFY(prompter.calls.isEmpty());
        QCOMPARE(QDir(m_projectRoot + "/images").entryList(QDir::Files), QStringList{"logo.gif"});
    }

    void pickingTheSameNameAgainOverwrites()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project{m_projectRoot, "images"};
        std::unique_ptr<TBildeFrm> w(wizard(project));
        dialogs.answerFiles({m_pictures + "/logo.gif"});
        w->Button1->click();
        QDir().mkpath(m_dir.filePath("other"));
        QVERIFY(writeFile(m_dir.filePath("other/logo.gif"), gif(1, 2)));
        dialogs.answerFiles({m_dir.filePath("other/logo.gif")});
        w->Button1->click();
        QCOMPARE(readFile(m_projectRoot + "/images/logo.gif"), gif(1, 2));
        QCOMPARE(w->Height1->text(), QString("2"));
    }

    // A copy that fails is reported with the file's name; the field and tag still follow.
    void failedCopyIsReported()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project{m_dir.filePath("missing"), "images"};
        std::unique_ptr<TBildeFrm> w(wizard(project));
        dialogs.answerFiles({m_pictures + "/logo.gif"});
        w->Button1->click();
        QCOMPARE(prompter.calls.size(), 1);
        QVERIFY(prompter.calls[0].text.contains(m_pictures + "/logo.gif"));
        QCOMPARE(w->Edit1->text(), QString("logo.gif"));
        QCOMPARE(w->Width1->text(), QString("120"));
        QVERIFY(w->buildTag().startsWith(R"(<img src="images/logo.gif")"));
    }

    void blankImageFolderCopiesIntoProjectRoot()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        ProjectSettings project{m_projectRoot, "  "};
        std::unique_ptr<TBildeFrm> w(wizard(project));
        dialogs.answerFiles({m_pictures + "/logo.gif"});
        w->Button1->click();
        QVERIFY(QFile::exists(m_projectRoot + "/logo.gif"));
        QVERIFY(w->buildTag().startsWith(R"(<img src="logo.gif")"));
    }

    void lowsrcNeverCopiesNorWarns()
    {
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        FakeHelpViewer help;
        for (const QString &root : {QString(), m_projectRoot}) {
            ProjectSettings project{root, "images"};
            std::unique_ptr<TBildeFrm> w(wizard(project));
            dialogs.answerFiles({m_pictures + "/logo.gif"});
            w->Button4->click();
            QCOMPARE(w->Edit9->text(), m_pictures + "/logo.gif");
            w->Button5->click();
        }
        QVERIFY(prompter.calls.isEmpty());
        QVERIFY(!QFile::exists(m_projectRoot + "/images"));
        QCOMPARE(help.pages, QStringList({"HID_IMAGEDLG", "HID_IMAGEDLG"}));
    }

    void copyFileKeepsExisting()
    {
        const QString target = m_projectRoot + "/keep.htm";
        QVERIFY(writeFile(target, "old"));
        QString error;
        QVERIFY(!CopyToProjectFolder::copyFile(m_pictures + "/logo.gif", target,
                                               CopyToProjectFolder::Existing::Keep, &error));
        QCOMPARE(readFile(target), QByteArray("old"));
        QVERIFY(CopyToProjectFolder::copyFile(m_pictures + "/logo.gif", target,
                                              CopyToProjectFolder::Existing::Overwrite, &error));
        QCOMPARE(readFile(target), gif(120, 60));
        QCOMPARE(QDir(m_projectRoot).entryList(QDir::Files), QStringList{"keep.htm"}); // no temporary left
    }
};


QTEST_MAIN(TestBildeFrm)
#include "tst_bildefrm.moc"
