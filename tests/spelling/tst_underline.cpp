// The as-you-type underline in an offscreen editor.
#include "ScintillaOf.h"
#include "TestFiles.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "spelling/DrawAutoSpellCheckPlugin.h"
#include "spelling/SpellCheck.h"

#include <QTemporaryDir>
#include <QTest>
#include <Qsci/qsciscintilla.h>

using Underline = TDrawAutoSpellCheckPlugin::Underline;
Q_DECLARE_METATYPE(QList<Underline>)

namespace QTest {
template <>
char *toString(const Underline &u)
{
    return qstrdup(QByteArray::number(u.line) + ':' + QByteArray::number(u.column) + '+'
                   + QByteArray::number(u.length));
}
} // namespace QTest

class TestUnderline : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unknownWordsOnly_data();
    void unknownWordsOnly();
    void followsTyping();
    void followsScrolling();
    void penColourAndStyle();
    void waveCoversTheWordAndOnePixel();
    void editorsAreForgotten();

private:
    TDrawAutoSpellCheckPlugin *plugin() const { return m_checker->currentPlugin(); }
    QList<Underline> pass();
    // The editor's waves.
    QList<Underline> waves() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSpellCheck> m_checker;
    std::unique_ptr<QWidget> m_window;
    EditorAdapter *m_editor = nullptr;
};

void TestUnderline::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(
        TestFiles::write(m_dir->filePath("english.1-0-0.dic"), "hello\nworld\nfine\nthe\nline\n"));
    m_checker = std::make_unique<TSpellCheck>();
    m_checker->setDictionaryPath(m_dir->path());
    m_checker->setUserDirectory(m_dir->path());
    m_checker->setOptions(TSpellCheck::sscoAutoSpellCheck);
    QVERIFY(m_checker->loadDictionary("english"));

    m_window = std::make_unique<QWidget>();
    m_window->resize(700, 400);
    m_editor = new EditorAdapter(m_window.get());
    m_editor->widget()->setGeometry(0, 0, 700, 400);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_checker->setEditor(m_editor);
    QVERIFY(plugin());
}

void TestUnderline::cleanup()
{
    m_window.reset();
    m_checker.reset();
}

QList<Underline> TestUnderline::pass()
{
    plugin()->refresh();
    return plugin()->underlined();
}

QList<Underline> TestUnderline::waves() const
{
    QList<Underline> out;
    for (const EditorAdapter::WaveRange &w : m_editor->waves())
        out.append({w.line, w.column, w.length});
    return out;
}

void TestUnderline::unknownWordsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Underline>>("expected");
    QTest::addColumn<bool>("java");
    QTest::addColumn<int>("checker"); // 0: as set up, 1: without the option, 2: no dictionary
    QTest::newRow("one unknown") << "hello wrold" << QList<Underline> {{1, 7, 5}} << false << 0;
    QTest::newRow("known only") << "Hello, world!" << QList<Underline> {} << false << 0;
    QTest::newRow("two lines") << "fien line\nthe lnie" << QList<Underline> {{1, 1, 4}, {2, 5, 4}}
                               << false << 0;
    QTest::newRow("delimiters between")
        << "hello,  wrold." << QList<Underline> {{1, 9, 5}} << false << 0;
    // A one-character word in the last column of a longer line is never reached.
    QTest::newRow("last column") << "hello x" << QList<Underline> {} << false << 0;
    QTest::newRow("alone on its line") << "x" << QList<Underline> {{1, 1, 1}} << false << 0;
    QTest::newRow("Java comments and strings")
        << "class Fooo { // a commnt\n  String s = \"strng\"; int wrnog; }"
        << QList<Underline> {{1, 17, 1}, {1, 19, 6}, {2, 15, 5}} << true << 0;
    QTest::newRow("nothing without the option")
        << "hello wrold" << QList<Underline> {} << false << 1;
    QTest::newRow("every word without a dictionary")
        << "hello wrold" << QList<Underline> {{1, 1, 5}, {1, 7, 5}} << false << 2;
}

void TestUnderline::unknownWordsOnly()
{
    QFETCH(QString, text);
    QFETCH(QList<Underline>, expected);
    QFETCH(bool, java);
    QFETCH(int, checker);
    Highlighter highlighter(Highlighter::Java);
    if (java)
        m_editor->setHighlighter(&highlighter);
    if (checker == 1)
        m_checker->setOption(TSpellCheck::sscoAutoSpellCheck, false);
    else if (checker == 2)
        m_checker->clearDictionary();
    m_editor->setText(text);
    QCOMPARE(pass(), expected);
    QCOMPARE(waves(), expected);
    m_editor->setHighlighter(nullptr);
}

void TestUnderline::followsTyping()
{
    m_editor->setText("hello ");
    QTRY_COMPARE(plugin()->underlined(), QList<Underline> {});
    m_editor->setCaret(1, 7);
    m_editor->insertAtCaret("wrold");
    QTRY_COMPARE(plugin()->underlined(), QList<Underline> {Underline({1, 7, 5})});
    m_editor->insertAtCaret("x"); // "wroldx": still one unknown word
    QTRY_COMPARE(plugin()->underlined(), QList<Underline> {Underline({1, 7, 6})});
    m_checker->addWord("wroldx");
    QTRY_COMPARE(plugin()->underlined(), QList<Underline> {});
}

void TestUnderline::followsScrolling()
{
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines.append(i == 250 ? QStringLiteral("the wrold") : QStringLiteral("hello world"));
    m_editor->setText(lines.join(u'\n'));
    QTRY_COMPARE(plugin()->underlined(), QList<Underline> {});
    m_editor->setFirstVisibleLine(245);
    QTRY_COMPARE(plugin()->underlined(), QList<Underline> {Underline({250, 5, 5})});
    QCOMPARE(waves(), plugin()->underlined());
    m_editor->setFirstVisibleLine(1);
    QTRY_COMPARE(plugin()->underlined(), QList<Underline> {});
}

void TestUnderline::penColourAndStyle()
{
    WaveOverlay *overlay = m_editor->waveOverlay();
    QVERIFY(overlay);
    QCOMPARE(overlay->pen(), QColor(Qt::red));
    QCOMPARE(overlay->offsets(), (WaveOverlay::Offsets {0, 1, 2, 1}));
    m_checker->setPenColor(TColor::clBlue);
    QCOMPARE(plugin()->penColor(), TColor::clBlue);
    QCOMPARE(overlay->pen(), QColor(Qt::blue));
    m_checker->setUnderlineStyle(TSpellCheck::usCorelWordPerfect);
    QCOMPARE(plugin()->underlineStyle(), TSpellCheck::usCorelWordPerfect);
    QCOMPARE(overlay->offsets(), (WaveOverlay::Offsets {2, 1, 0, -1}));
}

// The wave runs from the word's first pixel column through the column just right of its
// last character (the word's width plus one pixel), on the pixels the word style gives:
// 0, 1, 2, 1 below the baseline, three pixels above the line's bottom.
void TestUnderline::waveCoversTheWordAndOnePixel()
{
    m_editor->setText("hello wrold fine");
    pass();
    QsciScintilla *w = scintillaOf(*m_editor);
    const auto xOf = [w](int column) {
        return int(w->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0,
                                    w->positionFromLineIndex(0, column - 1)));
    };
    const int x0 = xOf(7), x1 = xOf(12);
    const int baseline = int(w->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0)) - 3;
    const QPoint origin = w->viewport()->mapTo(w, QPoint(0, 0));
    const QImage shot = w->grab().toImage();
    QList<QPoint> red;
    for (int y = 0; y < baseline + 6; ++y) {
        for (int x = 0; x < w->viewport()->width(); ++x) {
            const QColor c = shot.pixelColor(origin + QPoint(x, y));
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                red.append(QPoint(x, y));
        }
    }
    QList<QPoint> expected;
    const int offsets[] = {0, 1, 2, 1};
    for (int x = x0; x <= x1; ++x)
        expected.append(QPoint(x, baseline + offsets[(x - x0) % 4]));
    std::sort(red.begin(), red.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    QCOMPARE(red, expected);
}

void TestUnderline::editorsAreForgotten()
{
    auto *second = new EditorAdapter(m_window.get());
    QCOMPARE(m_checker->registerEditor(m_editor), 0);
    QCOMPARE(m_checker->registerEditor(second), 1);
    QCOMPARE(m_checker->registerEditor(second), 1);
    QCOMPARE(m_checker->registerEditor(nullptr), -1);
    m_checker->setEditor(second);
    QCOMPARE(m_checker->currentPlugin(), m_checker->pluginOf(second));
    delete second->widget();
    delete second;
    QCOMPARE(m_checker->editor(), nullptr);
    QCOMPARE(m_checker->currentPlugin(), nullptr);
    QCOMPARE(m_checker->registerEditor(m_editor), 0);
    QCOMPARE(m_checker->pluginOf(second), nullptr);
}

QTEST_MAIN(TestUnderline)
#include "tst_underline.moc"
