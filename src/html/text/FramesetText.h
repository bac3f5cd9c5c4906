#pragma once

#include <QString>
#include <QStringList>

// The frameset wizard's nine layouts and the texts it writes: the frameset, the names of the
// frame pages and the text every new frame page starts with. Lines end with a carriage return.
namespace FramesetText {

constexpr int LayoutCount = 9;

// The text of a new frame page (FramePageTemplate).
QString pageTemplate();
// The border attributes, with their leading blank.
QString borderText(bool borders);

// Whether OK draws a page number for the layout (layouts 1 to 6 always, 7 and 8 only when
// their pages are made, 9 never).
bool drawsNumber(int layout, bool createPages);
// The pages OK makes for the layout and number, in the order they are made; empty when
// createPages is off or the layout makes none.
QStringList pageNames(int layout, bool createPages, int number);

// A one-level frameset: "<frameset " + attributes + ">", one frame line per frame name and
// "</frameset>". With createPages the sources are the page names (frame name, "ID", number,
// ".html"), otherwise frame name + ".html".
QString verticalFramesets(const QString &attributes, const QStringList &frames, bool createPages,
                          int number);

// The frameset text of a layout (0 to 8, as the list counts them).
QString build(int layout, bool borders, bool createPages, int number);

} // namespace FramesetText
