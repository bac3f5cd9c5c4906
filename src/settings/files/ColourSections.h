#pragma once

class AppSettings;
class Highlighter;

// A highlighter's colours as sections of the settings file, in the colour-file layout: one
// section per attribute name with "Background", "Foreground" and "Style" as decimals. Both go
// through the settings object, so they take part in its batch.
namespace ColourSections {

// Writes every attribute's three keys; false when a write failed.
bool save(const Highlighter &highlighter, AppSettings &settings);
// Applies, for each attribute whose section holds at least one key, each key present.
void load(Highlighter &highlighter, const AppSettings &settings);

} // namespace ColourSections
