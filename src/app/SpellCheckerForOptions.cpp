#include "app/SpellCheckerForOptions.h"

#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckSetup.h"

SpellCheckerForOptions::SpellCheckerForOptions(TSpellCheck *checker) : m_checker(checker) {}

QStringList SpellCheckerForOptions::dictionaryLanguages() const
{
    QStringList languages;
    if (m_checker)
        m_checker->getDictionaryList(languages);
    return languages;
}

bool SpellCheckerForOptions::dictionaryExists(const QString &language) const
{
    return m_checker && m_checker->dictionaryExists(language);
}

QString SpellCheckerForOptions::currentLanguage() const
{
    return m_checker && m_checker->openDictionary() ? m_checker->language().name : QString();
}

TColor SpellCheckerForOptions::penColor() const
{
    return m_checker ? m_checker->penColor() : TColor::clRed;
}

void SpellCheckerForOptions::setPenColor(TColor colour)
{
    if (m_checker)
        m_checker->setPenColor(colour);
}

void SpellCheckerForOptions::setOption(Option option, bool on)
{
    if (!m_checker)
        return;
    switch (option) {
    case AutoSpellCheck: m_checker->setOption(TSpellCheck::sscoAutoSpellCheck, on); break;
    case IgnoreWordsWithNumbers:
        m_checker->setOption(TSpellCheck::sscoIgnoreWordsWithNumbers, on);
        break;
    case IgnoreSingleChars: m_checker->setOption(TSpellCheck::sscoIgnoreSingleChars, on); break;
    case HourGlass: m_checker->setOption(TSpellCheck::sscoHourGlass, on); break;
    }
}

bool SpellCheckerForOptions::loadDictionaryAsked(const QString &language, QWidget *parent)
{
    return m_checker && SpellCheckSetup::loadDictionaryAsked(*m_checker, language, parent);
}
