#pragma once

class ExplorerPanel;
class TMainForm;

// The explorer panel, the project folder and the wizards that pick files, in the main window.
// Install() is the one call the main window makes, after its side panel, menus and HTML
// commands stand: it puts the explorer on the "Files" tab and keeps its filter and mask with
// the active document, opens double-clicked files, gives the project folder dialog and the
// form-field and image wizards the main window's project settings and insertion, and fills
// the "Send to external program" submenu.
namespace ExplorerMainForm {

ExplorerPanel *Install(TMainForm *mainForm);

} // namespace ExplorerMainForm
