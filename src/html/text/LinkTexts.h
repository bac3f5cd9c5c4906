#pragma once

#include <QString>

// The texts of the link wizard and its two event dialogs, built from their field values.
namespace LinkTexts {

// The onClick choice of the link wizard (the order of its items).
enum class OnClick { None = -1, Print = 0, Close = 1, OpenWindow = 2 };

struct LinkFields {
    QString link; // Lenke; empty: an anchor named name, without events
    QString name; // Navn
    QString text; // the link text
    OnClick onClick = OnClick::None;
    QString windowOpenText; // the browser-window dialog's attribute, for OpenWindow
    QString mouseOverText;  // the status-line dialog's attributes; empty: none
};

// The a element: a link with its event attributes, or an anchor.
QString link(const LinkFields &fields);

struct WindowFields {
    QString document, height, width, title;
    bool toolbar = false, location = false, menubar = false, scrollbars = false, resizable = false,
         status = false;
};

// The onClick attribute (with its leading blank) that opens the document in a new window.
QString windowOpen(const WindowFields &fields);

// The onMouseOut and onMouseOver attributes (with a leading and a trailing blank) that show
// message in the status line.
QString statusLine(const QString &message);

} // namespace LinkTexts
