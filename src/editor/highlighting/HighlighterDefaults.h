#pragma once

#include "editor/highlighting/Highlighter.h"

// The built-in tables of the highlighters: named attributes with their classic default
// colours and the lexer styles each one paints, and the sample source of each kind.
namespace HighlighterDefaults {

QList<HighlighterAttribute> attributes(Highlighter::Kind kind);
QString sampleSource(Highlighter::Kind kind);

} // namespace HighlighterDefaults
