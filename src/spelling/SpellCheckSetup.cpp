#include "SpellCheckSetup.h"

#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "platform/TColor.h"
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

QString applyStartupSettings(TSpellCheck &checker, const IniFile &ini,
                             const QString &programFolder)
{
    QString folder = programFolder;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    folder += QStringLiteral("dictionaries/");
    checker.setDictionaryPath(folder);
    checker.setUserDirectory(folder);

    const QString section = QStringLiteral("SpellCheck");
    QString error;
    QStringList found;
    checker.getDictionaryList(found);
    if (!found.isEmpty()) {
        const QString language =
            ini.readString(section, QStringLiteral("DictLanguage"), QStringLiteral("English"));
        checker.loadDictionary(language, QString(), &error);
    }

    checker.setPenColor(TColor::fromStringDef(
        ini.readString(section, QStringLiteral("UnderlineColor"), QStringLiteral("clRed")),
        TColor::clRed));
    checker.setOption(TSpellCheck::sscoAutoSpellCheck,
                      ini.readBool(section, QStringLiteral("AutoSpellCheck"), true));
    checker.setOption(TSpellCheck::sscoIgnoreWordsWithNumbers,
                      ini.readBool(section, QStringLiteral("IgnoreWordsWithNum"), false));
    checker.setOption(TSpellCheck::sscoIgnoreSingleChars,
                      ini.readBool(section, QStringLiteral("IgnoreSingleChar"), false));
    checker.setOption(TSpellCheck::sscoHourGlass,
                      ini.readBool(section, QStringLiteral("ShowHourglass"), false));
    return error;
}

bool loadDictionaryAsked(TSpellCheck &checker, const QString &language, QWidget *parent)
{
    QString error;
    if (checker.loadDictionary(language, QString(), &error))
        return true;
    Prompter::instance()->messageDlg(parent, error, Prompter::Warning, Prompter::OkButton);
    return false;
}

} // namespace SpellCheckSetup
