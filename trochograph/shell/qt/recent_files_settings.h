// The list of recent parameter files in the program's settings file
// (~/.config/trochograph/trochograph.conf on Linux), as the list of names "recent/files".
// A settings file that can't be read gives an empty list; one that can't be written loses
// the change, and nothing else.
#pragma once

#include "shell/recent_files.h"

namespace trochograph {

RecentFiles readRecentFiles();
void writeRecentFiles(const RecentFiles& recent);

}  // namespace trochograph
