#pragma once

#include <QObject>

class FeatureHost;
class HostDocument;
class SpellCheckCommands;
class TSpellCheck;

// The main window's spell checker "SpellChecker1" and what joins it to the window: the
// "Spell check.." command of the Search menu and "Spellcheck document.." of every document
// pop-up, the checker's editor following the active document, the spell-check dialog.
class SpellCheckFeature : public QObject
{
    Q_OBJECT
public:
    // Made with the main window, before its start-up runs.
    explicit SpellCheckFeature(FeatureHost &host, QObject *parent = nullptr);

    TSpellCheck *checker() const { return m_checker; }
    SpellCheckCommands *commands() const { return m_commands; }

    // The start-up step of the one-shot timer: folders, dictionary, pen colour and options
    // from the settings file.
    void setUp();
    // Makes the program's spell-check dialog SpellCheckFrm (hidden until used).
    void createDialog();

private:
    void bindPopup(HostDocument *document);

    FeatureHost &m_host;
    TSpellCheck *m_checker;
    SpellCheckCommands *m_commands;
};
