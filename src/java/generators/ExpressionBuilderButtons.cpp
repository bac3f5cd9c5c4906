#include "java/generators/ExpressionBuilderButtons.h"

namespace ExpressionBuilderButtons {

const Button buttons[] = {
    {"Button5", "&&&&", nullptr, "&& ", 0},
    {"Button6", "||", nullptr, "|| ", 0},
    {"Button7", "==", nullptr, "== ", 0},
    {"Button8", "!=", nullptr, "!= ", 0},
    {"Button9", "<", nullptr, "< ", 0},
    {"Button10", "<=", nullptr, "<= ", 0},
    {"Button11", ">", nullptr, "> ", 0},
    {"Button12", ">=", nullptr, ">= ", 0},
    {"Button13", "if", nullptr, "if ()", 1},
    {"Button14", "else", nullptr, "else ", 0},
    {"Button15", "switch", nullptr, "switch () {}", 4},
    {"Button16", "while", nullptr, "while ()", 1},
    {"Button17", "return", nullptr, "return ", 0},
    {"Button18", "for", nullptr, "for (int  = 0; < ; ++) {}", 16},
    {"Button19", "true", nullptr, "true", 0},
    {"Button20", "false", nullptr, "false", 0},
    {"Button21", "()", nullptr, "()", 1},
    {"Button22", "[]", nullptr, "[]", 1},
    {"Button23", "{}", nullptr, "{}", 1},
    {"Button24", "bln", "boolean", "boolean", 0},
    {"Button25", "dbl", "double", "double", 0},
    {"Button26", "flt", "float", "float", 0},
    {"Button27", "int", nullptr, "int", 0},
    {"Button28", "=", nullptr, "= ", 0},
    {"Button37", ";", nullptr, ";", 0},
    {"Button38", "\"", nullptr, "\"\"", 1},
    {"Button39", "default", nullptr, "default: ", 0},
    {"Button40", "case", nullptr, "case :", 1},
    {"Button41", "println", "System.out.println", "System.out.println(\"\");", 3},
    {"Button42", "try", nullptr, "try {}", 1},
    {"Button43", "catch", nullptr, "catch ()", 1},
    {"Button44", "do", nullptr, "do {}", 1},
    {nullptr, nullptr, nullptr, nullptr, 0},
};

} // namespace ExpressionBuilderButtons
