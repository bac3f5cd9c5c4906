#pragma once

class QTabWidget;
class QWidget;

// Shows or hides a page's tab in a tab widget of the main window. A hidden tab is disabled in
// the tab bar as well: Ctrl+Tab, Ctrl+Shift+Tab and the bar's arrow keys pass over disabled
// tabs only, and a hidden page is never reached by the keyboard. When the current tab is
// hidden, the next shown one becomes current, its page with it.
namespace TabVisibility {

void setShown(QTabWidget *pages, QWidget *page, bool shown);

} // namespace TabVisibility
