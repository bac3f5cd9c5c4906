#include "spelling/SpellCheckSetup.h"

#include "platform/Prompter.h"
#include "platform/TColor.h"
#include "settings/store/AppSettings.h"
#include "spelling/SpellCheck.h"

namespace SpellCheckSetup {

TSpellCheck *createMainSpellChecker(QObject *parent)
{
    auto *checker = new TSpellCheck(parent);
    checker->setObjectName(QStringLiteral("SpellChecker1"));
    checker->setAlgorithm(TSpellCheck::haSoundEx);
    checker->setOptions(TSpellCheck::sscoAutoSpellCheck | TSpellCheck::sscoHideCursor
                        | TSpellCheck::sscoHourGlass | TSpellCheck::sscoIgnoreSingleChars
                        | TSpellCheck::sscoIgnoreWordsWithNumbers | TSpellCheck::sscoMaintainCase
                        | TSpellCheck::sscoSelectWord | TSpellCheck::sscoStartFromCursor
                        | TSpellCheck::sscoSuggestWords);
    return checker;
}

QString applyStartupSettings(TSpellCheck &checker, const AppSettings &settings,
                             const QString &programFolder)
{
    QString folder = programFolder;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    folder += QStringLiteral("dictionaries/");
    checker.setDictionaryPath(folder);
    checker.setUserDirectory(folder);

    using Settings::Key;
    QString error;
    QStringList found;
    checker.getDictionaryList(found);
    if (!found.isEmpty()) {
        const QString language = settings.textValue(Key::DictLanguage);
        checker.loadDictionary(language, QString(), &error);
    }

    checker.setPenColor(settings.colourValue(Key::UnderlineColor));
    checker.setOption(TSpellCheck::sscoAutoSpellCheck, settings.boolValue(Key::AutoSpellCheck));
    checker.setOption(TSpellCheck::sscoIgnoreWordsWithNumbers,
                      settings.boolValue(Key::IgnoreWordsWithNum));
    checker.setOption(TSpellCheck::sscoIgnoreSingleChars,
                      settings.boolValue(Key::IgnoreSingleChar));
    checker.setOption(TSpellCheck::sscoHourGlass, settings.boolValue(Key::ShowHourglass));
    return error;
}

bool loadDictionaryAsked(TSpellCheck &checker, const QString &language, QWidget *parent)
{
    QString error;
    if (checker.loadDictionary(language, QString(), &error, true))
        return true;
    Prompter::instance()->messageDlg(parent, error, Prompter::Warning, Prompter::OkButton);
    return false;
}

} // namespace SpellCheckSetup
