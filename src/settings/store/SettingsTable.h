#pragma once

#include <QList>
#include <QString>

// Every key of the settings file "qmEditor.ini" with its stored form and the default each of
// its readers uses. Some readers of one key use different defaults (the Options dialog shows
// "PrintDate" unticked while printing prints the date when the key is absent): a reader asks
// with its own Reader and gets exactly its own default.
namespace Settings {

// Section names.
inline constexpr char ApplicationOptions[] = "ApplicationOptions";
inline constexpr char CompilerOptions[] = "CompilerOptions";
inline constexpr char EditorOptions[] = "EditorOptions";
inline constexpr char SpellCheck[] = "SpellCheck";
inline constexpr char SynHighlOptions[] = "SynHighlOptions";
inline constexpr char History[] = "History";
inline constexpr char Tips[] = "Tips";
inline constexpr char ShortCutList[] = "ShortCutList";
inline constexpr char Shortcuts[] = "Shortcuts";

// How a value is stored.
enum class Form {
    Bool,       // "1" / "0"; read as an integer, non-zero is true
    Integer,    // decimal
    Text,       // as is
    NumberText, // the text of an edit box, read by some as text and by others as an integer
    Colour      // a colour name ("clWhite") or "$00BBGGRR"
};

// Who reads: each has its own defaults.
enum class Reader {
    Program,  // the main window, printing and the Java tools
    Options,  // the Options dialog
    Debugger, // the debugger
    StartUp   // the main window's creation
};

enum class Key {
    // "ApplicationOptions"
    AutoSave,
    AutoSaveInterval,
    JavaAppsInDosWindow,
    JavaQuickFind,
    MaxWinAtStart,
    NameOfPrntDoc,
    PrintDate,
    PrintFooter,
    PrintHeader,
    PrintPageNum,
    PrintTime,
    ShowColorHighltPrint,
    ShowPrintLnNr,
    TmpltCodeOnNewDoc,
    ViewSecialChars,
    WarnBeforeClose,
    // "CompilerOptions"
    AllDebugInfo,
    ClassPathDir,
    DebugGenOptions,
    DisableVarn,
    JavaBinDir,
    NoDebugInfo,
    SelDebugLineNum,
    SelDebugLocalVar,
    SelDebugSourceFile,
    VerboseOutput,
    // "EditorOptions"
    AutoCompletion,
    BGColor,
    CompProposal,
    FontSize,
    FontType,
    GTRColor,
    GutterSize,
    LeadingZeros,
    ShowGutter,
    ShowLineNumbers,
    // "SpellCheck"
    AutoSpellCheck,
    DictLanguage,
    IgnoreSingleChar,
    IgnoreWordsWithNum,
    ShowHourglass,
    UnderlineColor,
    // "SynHighlOptions"
    FirstRun,
    // "History": the ring's size and position (the slots "1" .. "20" are numbered keys)
    HistoryCount,
    HistoryPrev,
    // "Tips"
    TipsDoShow,
    // "ShortCutList" (the rows "0" .. "88" are numbered keys)
    ShortcutDefaultList,

    KeyCount
};

struct KeyInfo {
    Key key;
    const char *section;
    const char *name;
    Form form;
    // Defaults as stored text, by reader; nullptr: the Program default.
    const char *program;
    const char *options;
    const char *debugger;
    const char *startUp;
};

const KeyInfo &info(Key key);
QList<Key> allKeys();
QString section(Key key);
QString name(Key key);
// The stored text of reader's default for key.
QString defaultText(Key key, Reader reader = Reader::Program);

} // namespace Settings
