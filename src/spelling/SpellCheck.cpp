#include "spelling/SpellCheck.h"

#include "editor/EditorAdapter.h"
#include "platform/AppPaths.h"
#include "spelling/AccentMap.h"
#include "spelling/DictionaryFiles.h"
#include "spelling/DrawAutoSpellCheckPlugin.h"
#include "spelling/EditDistance.h"
#include "spelling/Soundex.h"
#include "spelling/SpellCheckMetaphone.h"
#include "spelling/SpellCheckWalk.h"

#include <QVarLengthArray>

#include <algorithm>

namespace {

// s with the character c removed from both ends.
QStringView trimChar(QStringView s, QChar c)
{
    while (!s.isEmpty() && s.front() == c)
        s = s.mid(1);
    while (!s.isEmpty() && s.back() == c)
        s.chop(1);
    return s;
}

QStringView trimBlanks(QStringView s)
{
    while (!s.isEmpty() && s.front().unicode() <= u' ')
        s = s.mid(1);
    while (!s.isEmpty() && s.back().unicode() <= u' ')
        s.chop(1);
    return s;
}

inline char16_t lowerChar(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    // The dotted capital I has a plain i as its one-character lower case; QChar keeps it.
    if (c == 0x0130)
        return u'i';
    return QChar::toLower(c);
}

void appendSoundex(QStringView word, int length, QString &pool)
{
    char16_t buf[Soundex::MaxLength];
    const int n = Soundex::encode(word, length, buf);
    pool.append(reinterpret_cast<const QChar *>(buf), n);
}

} // namespace

TSpellCheck::TSpellCheck(QObject *parent)
    : QObject(parent),
      m_apostrophes(QStringLiteral("'`\u00B4")),
      m_checkAttribs({QStringLiteral("Comment"), QStringLiteral("Text"), QStringLiteral("String"),
                      QStringLiteral("Documentation")}),
      m_penColor(TColor::clRed),
      m_distance(std::make_unique<EditDistance>())
{
    rebuildWordChars();
    recomputeSoundKeys();
}

TSpellCheck::~TSpellCheck()
{
    clearDictionary();
}

void TSpellCheck::setAlgorithm(HashAlgorithm a)
{
    if (a == m_algorithm)
        return;
    m_algorithm = a;
    recomputeSoundKeys();
}

void TSpellCheck::setApostrophes(const QString &chars)
{
    m_apostrophes = chars;
    rebuildWordChars();
    emit appearanceChanged();
}

QString TSpellCheck::dictionaryPath() const
{
    return m_dictionaryPath.isEmpty() ? defaultDictionaryPath()
                                      : DictionaryFiles::withSlash(m_dictionaryPath);
}

void TSpellCheck::setHashLength(int length)
{
    length = std::clamp(length, Soundex::MinLength, Soundex::MaxLength);
    if (length == m_hashLength)
        return;
    m_hashLength = length;
    recomputeSoundKeys();
}

void TSpellCheck::setOptions(SpellCheckOptions o)
{
    if (o == m_options)
        return;
    m_options = o;
    emit appearanceChanged();
}

void TSpellCheck::setOption(SpellCheckOption o, bool on)
{
    SpellCheckOptions opts = m_options;
    opts.setFlag(o, on);
    setOptions(opts);
}

void TSpellCheck::setPenColor(TColor c)
{
    if (c == m_penColor)
        return;
    m_penColor = c;
    if (m_currentPlugin)
        m_currentPlugin->setPenColor(c);
}

void TSpellCheck::setUnderlineStyle(UnderlineStyle s)
{
    if (s == m_underlineStyle)
        return;
    m_underlineStyle = s;
    if (m_currentPlugin)
        m_currentPlugin->setUnderlineStyle(s);
}

QString TSpellCheck::userDirectory() const
{
    return m_userDirectory.isEmpty() ? defaultDictionaryPath()
                                     : DictionaryFiles::withSlash(m_userDirectory);
}

QString TSpellCheck::defaultDictionaryPath()
{
    return AppPaths::dataPath(QStringLiteral("dictionaries/"));
}

void TSpellCheck::setCheckAttribs(const QStringList &names)
{
    m_checkAttribs = names;
    emit appearanceChanged();
}

void TSpellCheck::setSkipList(const QStringList &words)
{
    m_skipList = words;
    emit appearanceChanged();
}

int TSpellCheck::registerEditor(EditorAdapter *editor)
{
    if (!editor)
        return -1;
    const int known = m_editors.indexOf(editor);
    if (known >= 0)
        return known;
    auto *plugin = new TDrawAutoSpellCheckPlugin(editor, this);
    plugin->setPenColor(m_penColor);
    plugin->setUnderlineStyle(m_underlineStyle);
    m_editors.append(editor);
    m_plugins.append(plugin);
    // The editor owns its underline; when it goes, the checker forgets both.
    connect(plugin, &QObject::destroyed, this, [this, plugin] {
        const int i = m_plugins.indexOf(plugin);
        if (i >= 0) {
            m_plugins.removeAt(i);
            m_editors.removeAt(i);
        }
    });
    return int(m_editors.size() - 1);
}

EditorAdapter *TSpellCheck::editor() const
{
    return m_editor;
}

TDrawAutoSpellCheckPlugin *TSpellCheck::currentPlugin() const
{
    return m_currentPlugin;
}

TDrawAutoSpellCheckPlugin *TSpellCheck::pluginOf(EditorAdapter *editor) const
{
    const int i = editor ? m_editors.indexOf(editor) : -1;
    return i >= 0 ? m_plugins.at(i) : nullptr;
}

void TSpellCheck::setEditor(EditorAdapter *editor)
{
    if (editor == m_editor)
        return;
    const int i = registerEditor(editor);
    if (i < 0) {
        m_editor = nullptr;
        m_currentPlugin = nullptr;
    } else {
        m_editor = editor;
        m_currentPlugin = m_plugins.at(i);
        m_currentPlugin->setChecker(this);
        m_currentPlugin->setPenColor(m_penColor);
    }
    emit appearanceChanged();
}

QString TSpellCheck::noDictionaryText()
{
    return QStringLiteral("No dictionary is loaded.");
}

bool TSpellCheck::spellCheckDocument(QString *error)
{
    if (!m_openDictionary) {
        if (error)
            *error = noDictionaryText();
        return false;
    }
    if (!m_editor || m_busy)
        return false;
    SpellCheckWalk walk(*this, *m_editor);
    walk.run();
    return true;
}

QString TSpellCheck::languageNotFoundText(const QString &language)
{
    return QStringLiteral("The dictionary for the language \"%1\" was not found.").arg(language);
}

// ---------------------------------------------------------------------------------------------
// Dictionaries

bool TSpellCheck::loadDictionary(const QString &language, const QString &fileName, QString *error,
                                 bool replaceWords)
{
    QString mainFile;
    QString dictionary;
    QString bareName;
    if (!DictionaryFiles::isBlank(fileName)) {
        mainFile = fileName;
        dictionary = fileName;
        bareName = mainFile.mid(mainFile.lastIndexOf(u'/') + 1);
    } else {
        QString realName;
        bareName = DictionaryFiles::findDictionaryFile(dictionaryPath(), language, &realName);
        if (bareName.isEmpty()) {
            if (error)
                *error = languageNotFoundText(language);
            return false;
        }
        mainFile = dictionaryPath() + realName;
        dictionary = language;
    }

    // Everything is read into a batch first; the list changes only when every file was read.
    WordList::Batch batch;
    QString reason;
    if (!DictionaryFiles::readWordFile(mainFile, false, batch, &reason)) {
        if (error)
            *error =
                QStringLiteral("Could not read the dictionary \"%1\": %2").arg(mainFile, reason);
        return false;
    }

    LanguageRec lang;
    const qsizetype dot = bareName.indexOf(u'.');
    lang.name = dot < 0 ? bareName : bareName.left(dot);
    lang.version = dot < 0 ? QString() : bareName.mid(dot + 1, 5);
    const QString userName = lang.name + QStringLiteral(".user.dic");

    if (m_useUserDictionary) {
        if (m_userDirectory.isEmpty())
            m_userDirectory = defaultDictionaryPath();
        const QString userFile = DictionaryFiles::findFileNoCase(userDirectory(), userName);
        if (!userFile.isEmpty() && !DictionaryFiles::readWordFile(userFile, true, batch, &reason)) {
            if (error)
                *error = QStringLiteral("Could not read the dictionary \"%1\": %2")
                             .arg(userFile, reason);
            return false;
        }
    }

    // Every file was read: only now may the words in memory go.
    if (replaceWords)
        m_words.clear();
    m_maxWordLength = batch.maxWordLength();
    m_dictionary = dictionary;
    m_language = lang;
    m_userDictionaryName = userName;
    // The sound keys are wanted only for suggestions by sound; they are made when first read.
    m_words.appendBatch(std::move(batch),
                        m_options.testFlag(sscoSuggestWords) && m_algorithm != haDiff);
    m_modified = false;
    m_openDictionary = true;
    if (m_options.testFlag(sscoAutoSpellCheck) && m_editor)
        emit appearanceChanged();
    emit dictionaryLoaded();
    return true;
}

void TSpellCheck::getDictionaryList(QStringList &list) const
{
    const QStringList names =
        DictionaryFiles::entriesMatching(dictionaryPath(), QStringLiteral("*.?-?-?.dic"));
    for (const QString &n : names) {
        if (n.contains(QStringLiteral(".user.")))
            continue;
        const QString lang = n.left(n.indexOf(u'.'));
        if (!lang.isEmpty() && !list.contains(lang, Qt::CaseInsensitive))
            list.append(lang);
    }
    for (QString &entry : list) {
        if (!entry.isEmpty() && entry.at(0) >= u'a' && entry.at(0) <= u'z')
            entry[0] = QChar(entry.at(0).unicode() - 32);
    }
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

bool TSpellCheck::dictionaryExists(const QString &language, const QString &path) const
{
    const QString folder = DictionaryFiles::isBlank(path) ? dictionaryPath() : path;
    return !DictionaryFiles::dictionariesOf(folder, language).isEmpty();
}

void TSpellCheck::clearDictionary()
{
    m_words.clear();
    m_skipList.clear();
    m_openDictionary = false;
    emit dictionaryClosed();
}

// ---------------------------------------------------------------------------------------------
// Words

bool TSpellCheck::isWordCorrect(QStringView word) const
{
    QStringView w = trimBlanks(word);
    if (w.isEmpty())
        return true;
    if (m_options.testFlag(sscoIgnoreSingleChars) && w.size() == 1)
        return true;
    if (m_options.testFlag(sscoIgnoreWordsWithNumbers)
        && std::any_of(w.begin(), w.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return true;
    if (trimChar(w, u'-').isEmpty() || trimChar(w, u'\'').isEmpty())
        return true;
    if (m_options.testFlag(sscoTrimApostrophes))
        w = trimChar(w, u'\'');

    QVarLengthArray<char16_t, 64> lower(w.size());
    for (qsizetype i = 0; i < w.size(); ++i)
        lower[i] = lowerChar(w[i].unicode());
    const QStringView lw(lower.constData(), lower.size());
    // The same rule as lowerWord(), without making a string.
    if (m_words.contains(lw))
        return true;
    return !m_skipList.isEmpty() && m_skipList.contains(lw, Qt::CaseInsensitive);
}

QString TSpellCheck::lowerWord(QStringView word)
{
    QString lower(word.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < word.size(); ++i)
        lower[i] = QChar(lowerChar(word[i].unicode()));
    return lower;
}

void TSpellCheck::addWord(const QString &word)
{
    if (DictionaryFiles::isBlank(word))
        return;
    const QString lw = lowerWord(word);
    if (m_words.findWord(lw) >= 0)
        return;
    QString key;
    if (m_algorithm == haSoundEx)
        key = Soundex::code(lw, m_hashLength);
    else if (m_algorithm == haMetaphone)
        key = MetaphoneKey(lw);
    m_words.insertWord(lw, true, key);
    m_maxWordLength = std::max(m_maxWordLength, int(lw.size()));
    m_modified = true;
    emit wordAdded(lw);
    emit appearanceChanged();
}

void TSpellCheck::addSkip(const QString &word)
{
    if (DictionaryFiles::isBlank(word))
        return;
    m_skipList.append(lowerWord(word));
    emit appearanceChanged();
}

bool TSpellCheck::isWordChar(QChar c) const
{
    const char16_t u = c.unicode();
    if (u < 256)
        return m_wordChars[u];
    return c.isLetterOrNumber() || m_apostrophes.contains(c);
}

void TSpellCheck::rebuildWordChars()
{
    for (int c = 0; c < 256; ++c) {
        bool w;
        if (c < 128)
            w = c == '-' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')
                || (c >= 'a' && c <= 'z');
        else
            w = QChar(char16_t(c)).isLetterOrNumber();
        m_wordChars[c] = w;
    }
    m_wordChars[0] = false;
    for (const QChar c : std::as_const(m_apostrophes)) {
        if (c.unicode() < 256 && c.unicode() > 0)
            m_wordChars[c.unicode()] = true;
    }
}

// ---------------------------------------------------------------------------------------------
// Sound keys and suggestions

QString TSpellCheck::soundKeyOf(QStringView word) const
{
    if (m_algorithm == haSoundEx)
        return Soundex::code(word, m_hashLength);
    if (m_algorithm == haMetaphone)
        return MetaphoneKey(word);
    return QString();
}

void TSpellCheck::recomputeSoundKeys()
{
    // Soundex under haSoundEx, else (haDiff too) the metaphone key.
    if (m_algorithm == haSoundEx) {
        const int len = m_hashLength;
        m_words.setKeyFunction(
            [len](QStringView w, QString &pool) { appendSoundex(w, len, pool); });
    } else {
        m_words.setKeyFunction([](QStringView w, QString &pool) { pool.append(MetaphoneKey(w)); });
    }
    m_words.resetSoundKeys();
}

void TSpellCheck::recase(const QString &word, QString &s) const
{
    if (word.isEmpty() || s.isEmpty())
        return;
    if (word == word.toUpper())
        s = s.toUpper();
    else if (word.at(0) == word.at(0).toUpper())
        s[0] = s.at(0).toUpper();
}

int TSpellCheck::getSuggestionsBySound(const QString &word, QStringList *list) const
{
    if (!m_options.testFlag(sscoSuggestWords) || !list)
        return 0;
    const QString key = soundKeyOf(word);
    const int n = m_words.size();
    for (int i = 0; i < n; ++i) {
        const QStringView w = m_words.word(i);
        if (m_words.soundKey(i) != key || std::abs(int(w.size()) - int(word.size())) >= 2)
            continue;
        QString s = w.toString();
        if (m_options.testFlag(sscoMaintainCase))
            recase(word, s);
        list->append(s);
    }
    return int(list->size());
}

int TSpellCheck::getSuggestionsByDiff(const QString &word, int limit, QStringList *list,
                                      int lengthLimit) const
{
    if (!list || DictionaryFiles::isBlank(word))
        return 0;
    const QString lw = lowerWord(word);
    const char16_t c = lw.at(0).unicode();
    const char16_t plain = AccentMap::stripAccent(c);
    list->clear();

    const auto visit = [&](WordList::Range g, int lengthTolerance) {
        if (g.isEmpty())
            return;
        for (int i = g.first; i <= g.last; ++i) {
            const QStringView s = m_words.word(i);
            if (std::abs(int(word.size()) - int(s.size())) > lengthTolerance)
                continue;
            if (!m_distance->within(lw, s, limit))
                continue;
            QString out = s.toString();
            recase(word, out);
            list->append(out);
        }
    };

    visit(m_words.group(c), lengthLimit);
    for (int b = 128; b <= 254; ++b) {
        const char16_t accented = AccentMap::cp1250ToUnicode(static_cast<unsigned char>(b));
        // The word's own first letter was looked at above: its words are offered once.
        if (accented == 0 || accented == c || AccentMap::stripAccent(accented) != plain)
            continue;
        visit(m_words.group(accented), limit);
    }
    return int(list->size());
}

int TSpellCheck::collectSuggestions(const QString &word, QStringList *list) const
{
    if (m_algorithm == haDiff)
        return getSuggestionsByDiff(word, 2, list, 2);
    return getSuggestionsBySound(word, list);
}
