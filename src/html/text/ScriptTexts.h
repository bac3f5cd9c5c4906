#pragma once

#include "host/ProjectSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

// The JavaScript the HTML tool tab's "Javascripts:" commands and the script wizards put into
// a page, built from their field values. Lines are separated by a carriage return alone. A
// block for the caret has its first line without indentation and every later line beginning
// with indent (the caret line's indentation), an empty line staying empty; a function for the
// page head carries no indentation.
namespace ScriptTexts {

// --- Date, last modified, clocks -------------------------------------------------------

QString date(const QString &indent);
QString lastModified(const QString &indent);

// The form of the text-field clock, for the caret.
QString textfieldClockForm(const QString &indent);

// A clock's head function, the text by which a page is known to hold it, and the start
// call it puts into the body tag.
struct Clock {
    QString header;   // e.g. "function TimeTextfield()"
    QString onLoad;   // e.g. ` onLoad="TimeTextfield()"`
    QString function; // the head block
};
Clock textfieldClock();
Clock statuslineClock();

// --- Random images ---------------------------------------------------------------------

// The name a page uses for a picture of the list: in the image folder ("images/a.gif") while
// a project is chosen and the image folder name is not blank, else the name as it stands.
QString pagePath(const ProjectSettings &project, const QString &name);

// paths: the pictures as the page names them, in list order. ordinary: "Ordinary image" is
// chosen (else the picture becomes the page background).
QString randomImages(const QStringList &paths, bool ordinary, const QString &indent);

// --- Link menu -------------------------------------------------------------------------

// What tells that a page holds the link menu's head function.
QString linkMenuHeader();
// The number of the select box the page's head function reads (the digits after its
// "form.listID"); empty when the page has no such function or it names no number.
QString linkMenuNumber(const QString &pageText);
// entries: value and link of each entry (a missing link is empty). number: N.
QString linkMenu(const QList<QStringList> &entries, const QString &number, const QString &indent);
QString linkMenuFunction(const QString &number);

// --- Rollover --------------------------------------------------------------------------

struct RolloverFields {
    QString link;     // Edit4
    QString message;  // Edit5
    QString name;     // Edit2, passed to the functions unquoted
    QString rollover; // Edit3 as the page names it
    QString original; // Edit1 as the page names it
};
QString rollover(const RolloverFields &fields, const QString &indent);
QString rolloverHeader();
QString rolloverFunctions();

// --- Browser information ---------------------------------------------------------------

enum BrowserProperty { BrowserType, BrowserVersion, CodeName, Platform, Language };
constexpr int BrowserPropertyCount = 5;

// A line per property chosen, in the order of BrowserProperty whatever the order of chosen;
// empty when none is chosen.
QString browserInformation(const QList<BrowserProperty> &chosen, const QString &indent);

} // namespace ScriptTexts
