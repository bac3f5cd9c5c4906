#pragma once

class ActionRegistry;
class QMdiSubWindow;

// A document window's own keys (its window menu's "Close" takes Ctrl+F4, and Ctrl+W on Linux)
// give way to the main menu's: Qt runs neither of two commands that hold one key. A key the
// main menu gives up goes back to the document window.
namespace SubWindowKeys {

void yieldTo(const ActionRegistry &mainMenu, QMdiSubWindow *window);

} // namespace SubWindowKeys
