#pragma once

// Section and key names of the settings file "qmEditor.ini". Every reader passes its
// own default at the point of use; no default lives here. Key spellings are those the
// file has always used (e.g. "ViewSecialChars").
namespace SettingsKeys {

// Sections
inline constexpr char ApplicationOptions[] = "ApplicationOptions";
inline constexpr char CompilerOptions[] = "CompilerOptions";
inline constexpr char EditorOptions[] = "EditorOptions";
inline constexpr char SpellCheck[] = "SpellCheck";
inline constexpr char SynHighlOptions[] = "SynHighlOptions";
inline constexpr char History[] = "History";
inline constexpr char Tips[] = "Tips";
inline constexpr char ShortCutList[] = "ShortCutList";
inline constexpr char Shortcuts[] = "Shortcuts";

// "ApplicationOptions"
inline constexpr char AutoSave[] = "AutoSave";
inline constexpr char AutoSaveInterval[] = "AutoSaveInterval";
inline constexpr char JavaAppsInDosWindow[] = "JavaAppsInDosWindow";
inline constexpr char JavaQuickFind[] = "JavaQuickFind";
inline constexpr char MaxWinAtStart[] = "MaxWinAtStart";
inline constexpr char NameOfPrntDoc[] = "NameOfPrntDoc";
inline constexpr char PrintDate[] = "PrintDate";
inline constexpr char PrintFooter[] = "PrintFooter";
inline constexpr char PrintHeader[] = "PrintHeader";
inline constexpr char PrintPageNum[] = "PrintPageNum";
inline constexpr char PrintTime[] = "PrintTime";
inline constexpr char ShowColorHighltPrint[] = "ShowColorHighltPrint";
inline constexpr char ShowPrintLnNr[] = "ShowPrintLnNr";
inline constexpr char TmpltCodeOnNewDoc[] = "TmpltCodeOnNewDoc";
inline constexpr char ViewSecialChars[] = "ViewSecialChars";
inline constexpr char WarnBeforeClose[] = "WarnBeforeClose";

// "CompilerOptions"
inline constexpr char AllDebugInfo[] = "AllDebugInfo";
inline constexpr char ClassPathDir[] = "ClassPathDir";
inline constexpr char DebugGenOptions[] = "DebugGenOptions";
inline constexpr char DisableVarn[] = "DisableVarn";
inline constexpr char JavaBinDir[] = "JavaBinDir";
inline constexpr char NoDebugInfo[] = "NoDebugInfo";
inline constexpr char SelDebugLineNum[] = "SelDebugLineNum";
inline constexpr char SelDebugLocalVar[] = "SelDebugLocalVar";
inline constexpr char SelDebugSourceFile[] = "SelDebugSourceFile";
inline constexpr char VerboseOutput[] = "VerboseOutput";

// "EditorOptions"
inline constexpr char AutoCompletion[] = "AutoCompletion";
inline constexpr char BGColor[] = "BGColor";
inline constexpr char CompProposal[] = "CompProposal";
inline constexpr char FontSize[] = "FontSize";
inline constexpr char FontType[] = "FontType";
inline constexpr char GTRColor[] = "GTRColor";
inline constexpr char GutterSize[] = "GutterSize";
inline constexpr char LeadingZeros[] = "LeadingZeros";
inline constexpr char ShowGutter[] = "ShowGutter";
inline constexpr char ShowLineNumbers[] = "ShowLineNumbers";

// "SpellCheck"
inline constexpr char AutoSpellCheck[] = "AutoSpellCheck";
inline constexpr char DictLanguage[] = "DictLanguage";
inline constexpr char IgnoreSingleChar[] = "IgnoreSingleChar";
inline constexpr char IgnoreWordsWithNum[] = "IgnoreWordsWithNum";
inline constexpr char ShowHourglass[] = "ShowHourglass";
inline constexpr char UnderlineColor[] = "UnderlineColor";

// "SynHighlOptions"
inline constexpr char FirstRun[] = "FirstRun";

// "History": "Count", "Prev" and the slot keys "1" .. "20"
inline constexpr char Count[] = "Count";
inline constexpr char Prev[] = "Prev";

// "Tips"
inline constexpr char DoShow[] = "doShow";

// "ShortCutList": "DefaultList" and the row keys "0" .. "88"
inline constexpr char DefaultList[] = "DefaultList";

} // namespace SettingsKeys
