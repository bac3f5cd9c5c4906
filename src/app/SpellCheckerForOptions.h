#pragma once

#include "settings/options/OptionsSpellChecker.h"

#include <QPointer>

class TSpellCheck;

// The main window's spell checker as the Options dialog sees it.
class SpellCheckerForOptions : public OptionsSpellChecker
{
public:
    explicit SpellCheckerForOptions(TSpellCheck *checker);

    QStringList dictionaryLanguages() const override;
    bool dictionaryExists(const QString &language) const override;
    QString currentLanguage() const override;
    TColor penColor() const override;
    void setPenColor(TColor colour) override;
    void setOption(Option option, bool on) override;
    bool loadDictionaryAsked(const QString &language, QWidget *parent) override;

private:
    QPointer<TSpellCheck> m_checker;
};
