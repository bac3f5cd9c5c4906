#pragma once

// The expression builder's insert buttons: each types its text into the memo at the caret
// and then moves the caret left by caretLeft columns.
namespace ExpressionBuilderButtons {

struct Button {
    const char *name;    // component name
    const char *caption; // "&&" shows one "&"
    const char *hint;    // nullptr: none
    const char *text;
    int caretLeft;
};

// The buttons in the order they stand, ended by a row whose name is nullptr.
extern const Button buttons[];

} // namespace ExpressionBuilderButtons
