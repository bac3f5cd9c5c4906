#pragma once

#include <QString>

// The "javac" options the compiler page's boxes stand for ("CompilerOptions"
// "DebugGenOptions"): a debug selection ("-g:lines,source,vars", or "-g:" alone when nothing is
// selected), replaced by "-g" for all debugging information and then by "-g:none" for none,
// followed by " -verbose" and " -nowarn ".
namespace CompilerOptionsText {

struct Boxes {
    bool allDebugInfo = false;
    bool noDebugInfo = false;
    bool verbose = false;
    bool disableWarnings = false;
    bool lineNumbers = false;
    bool sourceFile = false;
    bool localVariables = false;
};

QString compose(const Boxes &boxes);

} // namespace CompilerOptionsText
