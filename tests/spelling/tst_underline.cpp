// The as-you-type underline in an offscreen editor.
#include "ScintillaOf.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "spelling/DrawAutoSpellCheckPlugin.h"
#include "spelling/SpellCheck.h"

#include <QFile>
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
    void indicatorInTheText();
    void nothingWithoutTheOption();
    void everyWordWithoutDictionary();
    void followsTyping();
    void followsScrolling();
    void penColourAndStyle();
    void waveCoversTheWordAndOnePixel();
    void javaCommentsAndStrings();
    void editorsAreForgotten();

private:
    TDrawAutoSpellCheckPlugin *plugin() const { return m_checker->currentPlugin(); }
    QList<Underline> pass();
    bool waveAt(int line, int column) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSpellCheck> m_checker;
    std::unique_ptr<QWidget> m_window;
    EditorAdapter *m_editor = nullptr;
};

void TestUnderline::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QFile f(m_dir->filePath("english.1-0-0.dic"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("hello\nworld\nfine\nthe\nline\n");
    f.close();
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

// Whether a wave of the editor covers the character at line/column.
bool TestUnderline::waveAt(int line, int column) const
{
    const QList<EditorAdapter::WaveRange> waves = m_editor->waves();
    return std::any_of(waves.cbegin(), waves.cend(), [&](const EditorAdapter::WaveRange &w) {
        return w.line == line && column >= w.column && column < w.column + w.length;
    });
}

void TestUnderline::unknownWordsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Underline>>("expected");
    QTest::newRow("one unknown") << "hello wrold" << QList<Underline> {{1, 7, 5}};
    QTest::newRow("known only") << "Hello, world!" << QList<Underline> {};
    QTest::newRow("two lines") << "fien line\nthe lnie" << QList<Underline> {{1, 1, 4}, {2, 5, 4}};
    QTest::newRow("delimiters between") << "hello,  wrold." << QList<Underline> {{1, 9, 5}};
    // A one-character word in the last column of a longer line is never reached.
    QTest::newRow("last column") << "hello x" << QList<Underline> {};
    QTest::newRow("alone on its line") << "x" << QList<Underline> {{1, 1, 1}};
}

void TestUnderline::unknownWordsOnly()
{
    QFETCH(QString, text);
    QFETCH(QList<Underline>, expected);
    m_editor->setText(text);
    QCOMPARE(pass(), expected);
}

void TestUnderline::indicatorInTheText()
{
    m_editor->setText("hello wrold fine");
    pass();
    QVERIFY(!waveAt(1, 1));
    QVERIFY(waveAt(1, 7));
    QVERIFY(waveAt(1, 11));
    QVERIFY(!waveAt(1, 13));
}

void TestUnderline::nothingWithoutTheOption()
{
    m_editor->setText("hello wrold");
    QCOMPARE(pass().size(), 1);
    m_checker->setOption(TSpellCheck::sscoAutoSpellCheck, false);
    QCOMPARE(pass(), QList<Underline> {});
    QVERIFY(!waveAt(1, 7));
}

void TestUnderline::everyWordWithoutDictionary()
{
    m_checker->clearDictionary();
    m_editor->setText("hello wrold");
    QCOMPARE(pass(), (QList<Underline> {{1, 1, 5}, {1, 7, 5}}));
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
    QVERIFY(waveAt(250, 5));
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

void TestUnderline::javaCommentsAndStrings()
{
    Highlighter java(Highlighter::Java);
    m_editor->setHighlighter(&java);
    m_editor->setText("class Fooo { // a commnt\n  String s = \"strng\"; int wrnog; }");
    QCOMPARE(pass(), (QList<Underline> {{1, 17, 1}, {1, 19, 6}, {2, 15, 5}}));
    m_editor->setHighlighter(nullptr);
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
