#include "settings/store/SettingsTable.h"

#include <QtGlobal>

namespace Settings {

namespace {

constexpr char App[] = "ApplicationOptions";
constexpr char Comp[] = "CompilerOptions";
constexpr char Ed[] = "EditorOptions";
constexpr char Spell[] = "SpellCheck";

// Columns: key, section, name, form, then the defaults of the program, the Options dialog,
// the debugger and start-up (nullptr: as the program's).
const KeyInfo table[] = {
    {Key::AutoSave, App, "AutoSave", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::AutoSaveInterval, App, "AutoSaveInterval", Form::NumberText, "1", "", nullptr, nullptr},
    {Key::JavaAppsInDosWindow, App, "JavaAppsInDosWindow", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::JavaQuickFind, App, "JavaQuickFind", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::MaxWinAtStart, App, "MaxWinAtStart", Form::Bool, "0", nullptr, nullptr, nullptr},
    {Key::NameOfPrntDoc, App, "NameOfPrntDoc", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::PrintDate, App, "PrintDate", Form::Bool, "1", "0", nullptr, nullptr},
    {Key::PrintFooter, App, "PrintFooter", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::PrintHeader, App, "PrintHeader", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::PrintPageNum, App, "PrintPageNum", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::PrintTime, App, "PrintTime", Form::Bool, "1", "0", nullptr, nullptr},
    {Key::ShowColorHighltPrint, App, "ShowColorHighltPrint", Form::Bool, "1", "1", nullptr,
     nullptr},
    {Key::ShowPrintLnNr, App, "ShowPrintLnNr", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::TmpltCodeOnNewDoc, App, "TmpltCodeOnNewDoc", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::ViewSecialChars, App, "ViewSecialChars", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::WarnBeforeClose, App, "WarnBeforeClose", Form::Bool, "1", "1", nullptr, nullptr},

    {Key::AllDebugInfo, Comp, "AllDebugInfo", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::ClassPathDir, Comp, "ClassPathDir", Form::Text, "", "C:\\;.", "c:\\;.", nullptr},
    {Key::DebugGenOptions, Comp, "DebugGenOptions", Form::Text, "", nullptr, nullptr, nullptr},
    {Key::DisableVarn, Comp, "DisableVarn", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::JavaBinDir, Comp, "JavaBinDir", Form::Text, "", "", "", nullptr},
    {Key::NoDebugInfo, Comp, "NoDebugInfo", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::SelDebugLineNum, Comp, "SelDebugLineNum", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::SelDebugLocalVar, Comp, "SelDebugLocalVar", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::SelDebugSourceFile, Comp, "SelDebugSourceFile", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::VerboseOutput, Comp, "VerboseOutput", Form::Bool, "1", "1", nullptr, nullptr},

    {Key::AutoCompletion, Ed, "AutoCompletion", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::BGColor, Ed, "BGColor", Form::Colour, "clWhite", "clWhite", nullptr, nullptr},
    {Key::CompProposal, Ed, "CompProposal", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::FontSize, Ed, "FontSize", Form::NumberText, "10", "10", nullptr, nullptr},
    {Key::FontType, Ed, "FontType", Form::Text, "Courier New", "Courier New", nullptr, nullptr},
    {Key::GTRColor, Ed, "GTRColor", Form::Colour, "clBtnFace", "clBtnFace", nullptr, nullptr},
    {Key::GutterSize, Ed, "GutterSize", Form::NumberText, "52", "52", nullptr, nullptr},
    {Key::LeadingZeros, Ed, "LeadingZeros", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::ShowGutter, Ed, "ShowGutter", Form::Bool, "1", "1", nullptr, nullptr},
    {Key::ShowLineNumbers, Ed, "ShowLineNumbers", Form::Bool, "0", "0", nullptr, nullptr},

    {Key::AutoSpellCheck, Spell, "AutoSpellCheck", Form::Bool, "1", "1", nullptr, nullptr},
    // The Options dialog shows "English" only when that dictionary is installed: it checks.
    {Key::DictLanguage, Spell, "DictLanguage", Form::Text, "English", "English", nullptr, nullptr},
    {Key::IgnoreSingleChar, Spell, "IgnoreSingleChar", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::IgnoreWordsWithNum, Spell, "IgnoreWordsWithNum", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::ShowHourglass, Spell, "ShowHourglass", Form::Bool, "0", "0", nullptr, nullptr},
    {Key::UnderlineColor, Spell, "UnderlineColor", Form::Colour, "clRed", "clRed", nullptr,
     nullptr},

    {Key::FirstRun, "SynHighlOptions", "FirstRun", Form::Bool, "1", "1", nullptr, nullptr},

    // -1 at start-up: the reopen history was never used.
    {Key::HistoryCount, "History", "Count", Form::Integer, "0", nullptr, nullptr, "-1"},
    {Key::HistoryPrev, "History", "Prev", Form::Integer, "0", nullptr, nullptr, nullptr},

    {Key::TipsDoShow, "Tips", "doShow", Form::Bool, "1", nullptr, nullptr, nullptr},

    {Key::ShortcutDefaultList, "ShortCutList", "DefaultList", Form::Bool, "1", "1", nullptr,
     nullptr},
};

static_assert(sizeof(table) / sizeof(table[0]) == std::size_t(Key::KeyCount),
              "every key has one row");

} // namespace

const KeyInfo &info(Key key)
{
    const int index = int(key);
    Q_ASSERT(index >= 0 && index < int(Key::KeyCount) && table[index].key == key);
    return table[index];
}

QList<Key> allKeys()
{
    QList<Key> keys;
    for (const KeyInfo &row : table)
        keys.append(row.key);
    return keys;
}

QString section(Key key)
{
    return QLatin1String(info(key).section);
}

QString name(Key key)
{
    return QLatin1String(info(key).name);
}

QString defaultText(Key key, Reader reader)
{
    const KeyInfo &row = info(key);
    const char *text = nullptr;
    switch (reader) {
    case Reader::Program: text = row.program; break;
    case Reader::Options: text = row.options; break;
    case Reader::Debugger: text = row.debugger; break;
    case Reader::StartUp: text = row.startUp; break;
    }
    return QString::fromLatin1(text ? text : row.program);
}

} // namespace Settings
