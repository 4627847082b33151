#pragma once
// The folder the panel works in. The panel keeps IPSave.ini in its working directory; a
// launch from the desktop menu starts wherever the desktop likes (often the home folder or
// "/"), so such a launch moves into the user's own data folder for the program first.
#include <QString>

namespace vx::platform {

// The user's data folder for the panel: $XDG_DATA_HOME/vxpanel, ~/.local/share/vxpanel by
// default (the platform's local application data folder elsewhere).
QString DesktopDataFolder();

// Makes the folder (and its parents) when missing and makes it the working directory.
// Returns an empty text on success, otherwise what went wrong, naming the folder.
QString EnterWorkingFolder(const QString& folder);

}  // namespace vx::platform
