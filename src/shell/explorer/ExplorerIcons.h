#pragma once

#include <QIcon>

// The small pictures of the explorer's lists, painted here: an open folder (the current
// folder and those above it), a closed folder (its subfolders) and a file. The style's
// standard pictures would first be looked up in the desktop's icon theme, which costs more
// than the whole listing.
namespace ExplorerIcons {

QIcon openFolder();
QIcon closedFolder();
QIcon file();

} // namespace ExplorerIcons
