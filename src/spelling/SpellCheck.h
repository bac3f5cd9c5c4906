#pragma once

#include "platform/TColor.h"
#include "spelling/WordList.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <memory>

class EditorAdapter;
class EditDistance;
class TDrawAutoSpellCheckPlugin;

// The spell checker: one language's word list in memory (or several, loaded one after the
// other), the word test, user words and skipped words, and the suggestion collectors.
// It knows nothing of widgets; the document walk, the dialog and the underline are built on it.
class TSpellCheck : public QObject
{
    Q_OBJECT
public:
    enum HashAlgorithm { haSoundEx, haMetaphone, haDiff };
    enum UnderlineStyle { usCorelWordPerfect, usMicrosoftWord };

    enum SpellCheckOption {
        sscoAutoSpellCheck = 0x001,
        sscoGoUp = 0x002,
        sscoHideCursor = 0x004,
        sscoHourGlass = 0x008,
        sscoIgnoreSingleChars = 0x010,
        sscoIgnoreWordsWithNumbers = 0x020,
        sscoMaintainCase = 0x040,
        sscoSelectWord = 0x080,
        sscoStartFromCursor = 0x100,
        sscoSuggestWords = 0x200,
        sscoTrimApostrophes = 0x400,
    };
    Q_DECLARE_FLAGS(SpellCheckOptions, SpellCheckOption)

    struct LanguageRec {
        QString name;
        QString version;
    };

    // What OnCheckWord answers for an unknown word.
    enum CheckAction { caAbort = -1, caIgnore = 0, caIgnoreAll = 1, caChange = 2, caAdd = 3 };
    // The handler of an unknown word: word as it stands, the suggestions, and the answer.
    using CheckWordHandler =
        std::function<void(const QString &word, const QStringList &suggestions,
                           QString &correctWord, int &action, bool undoEnabled)>;

    static constexpr int DefaultHashLength = 4;

    explicit TSpellCheck(QObject *parent = nullptr);
    ~TSpellCheck() override;

    // Properties.
    HashAlgorithm algorithm() const { return m_algorithm; }
    void setAlgorithm(HashAlgorithm a);
    QString apostrophes() const { return m_apostrophes; }
    void setApostrophes(const QString &chars);
    bool busy() const { return m_busy; }
    QStringList checkAttribs() const { return m_checkAttribs; }
    void setCheckAttribs(const QStringList &names);
    QString dictionary() const { return m_dictionary; }
    // The stored folder, or the default folder when none is stored; always ends in "/".
    QString dictionaryPath() const;
    void setDictionaryPath(const QString &folder) { m_dictionaryPath = folder; }
    int hashLength() const { return m_hashLength; }
    void setHashLength(int length); // 1..16
    LanguageRec language() const { return m_language; }
    bool modified() const { return m_modified; }
    void setModified(bool m) { m_modified = m; }
    bool openDictionary() const { return m_openDictionary; }
    SpellCheckOptions options() const { return m_options; }
    void setOptions(SpellCheckOptions o);
    void setOption(SpellCheckOption o, bool on = true);
    TColor penColor() const { return m_penColor; }
    void setPenColor(TColor c);
    QStringList skipList() const { return m_skipList; }
    void setSkipList(const QStringList &words);
    UnderlineStyle underlineStyle() const { return m_underlineStyle; }
    void setUnderlineStyle(UnderlineStyle s);
    QString userDirectory() const;
    void setUserDirectory(const QString &folder) { m_userDirectory = folder; }
    bool useUserDictionary() const { return m_useUserDictionary; }
    void setUseUserDictionary(bool on) { m_useUserDictionary = on; }

    // The folder used when none is stored: "dictionaries" in the program folder.
    static QString defaultDictionaryPath();

    // Dictionaries.
    // Loads the main dictionary of language (or the file fileName when that is not blank)
    // and the user dictionary, adding their words to those in memory, or with replaceWords
    // putting them in place of those words. A language with no dictionary, or a file that
    // cannot be read, leaves everything as it was; the reason is put in error.
    bool loadDictionary(const QString &language, const QString &fileName = QString(),
                        QString *error = nullptr, bool replaceWords = false);
    // Adds the languages of the dictionaries in dictionaryPath() to list (each once, first
    // letter in capitals) and sorts it.
    void getDictionaryList(QStringList &list) const;
    // Whether language has a dictionary in path (as given), or in dictionaryPath() when
    // path is blank.
    bool dictionaryExists(const QString &language, const QString &path = QString()) const;
    void clearDictionary();

    // Words. Looking up, adding and skipping share one lower-casing rule (lowerWord): each
    // character by its own lower-case form, so a word keeps its length.
    static QString lowerWord(QStringView word);
    bool isWordCorrect(QStringView word) const;
    int findWord(QStringView word) const { return m_words.findWord(word); }
    void addWord(const QString &word);
    void addSkip(const QString &word);
    bool isWordChar(QChar c) const;
    const WordList &wordList() const { return m_words; }
    // The length of the longest word loaded or added since the last load began.
    int maxWordLength() const { return m_maxWordLength; }

    // Suggestions.
    int getSuggestionsBySound(const QString &word, QStringList *list) const;
    int getSuggestionsByDiff(const QString &word, int limit, QStringList *list,
                             int lengthLimit) const;
    // The collector the document check uses: by difference (2, 2) under haDiff, else by sound.
    int collectSuggestions(const QString &word, QStringList *list) const;

    // The sound key of a word under the current algorithm and hash length.
    QString soundKeyOf(QStringView word) const;

    // The document check and the underline work on this editor (none by default). Setting
    // an editor registers it: it gets its underline, which lives as long as the editor.
    EditorAdapter *editor() const;
    void setEditor(EditorAdapter *editor);
    // Position of editor among the registered editors (registering it when new); -1 for none.
    int registerEditor(EditorAdapter *editor);
    // The underline of a registered editor, or nullptr.
    TDrawAutoSpellCheckPlugin *pluginOf(EditorAdapter *editor) const;
    TDrawAutoSpellCheckPlugin *currentPlugin() const;

    // Checks the words of editor() from the caret or the top, asking the check-word handler
    // about each unknown word. False, with noDictionaryText() in error, when no dictionary is
    // loaded; false without a reason when there is no editor or a check already runs.
    bool spellCheckDocument(QString *error = nullptr);
    static QString noDictionaryText();

    CheckWordHandler checkWordHandler() const { return m_checkWordHandler; }
    void setCheckWordHandler(CheckWordHandler h) { m_checkWordHandler = std::move(h); }

    // Messages.
    static QString languageNotFoundText(const QString &language);

signals:
    void started();
    void done();
    void aborted();
    void dictionaryLoaded();
    void dictionaryClosed();
    void wordAdded(const QString &word);
    void wordSkipped(const QString &word, bool skipAll);
    void wordCorrected(const QString &word, const QString &correctWord);
    // The underline's look changed (pen colour, style, options, words): repaint the editor.
    void appearanceChanged();

private:
    friend class SpellCheckWalk;
    void setBusy(bool b) { m_busy = b; }
    void rebuildWordChars();
    void recomputeSoundKeys();
    void recase(const QString &word, QString &s) const;

    HashAlgorithm m_algorithm = haDiff;
    QString m_apostrophes;
    bool m_busy = false;
    QStringList m_checkAttribs;
    QString m_dictionary;
    QString m_dictionaryPath;
    int m_hashLength = DefaultHashLength;
    LanguageRec m_language;
    bool m_modified = false;
    bool m_openDictionary = false;
    SpellCheckOptions m_options;
    TColor m_penColor;
    QStringList m_skipList;
    UnderlineStyle m_underlineStyle = usMicrosoftWord;
    QString m_userDirectory;
    bool m_useUserDictionary = true;
    QPointer<EditorAdapter> m_editor;
    QList<QPointer<EditorAdapter>> m_editors;
    QList<TDrawAutoSpellCheckPlugin *> m_plugins; // in step with m_editors
    QPointer<TDrawAutoSpellCheckPlugin> m_currentPlugin;
    CheckWordHandler m_checkWordHandler;

    WordList m_words;
    int m_maxWordLength = 0;
    QString m_userDictionaryName;
    bool m_wordChars[256];
    std::unique_ptr<EditDistance> m_distance;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSpellCheck::SpellCheckOptions)
