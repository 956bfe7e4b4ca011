// Where the snapshot of the report page is written.
#pragma once

#include <string>
#include <string_view>

namespace kalteron {

// The fixed copy every snapshot overwrites, in the given temporary folder.
std::string fixedSnapshotPath(std::string_view tempFolder);

// The picture file for the path chosen in the save dialog: a name that
// already ends in ".bmp" (any letter case) is kept, any other gets ".bmp"
// appended ("plan" -> "plan.bmp", "plan.klt" -> "plan.klt.bmp"). An empty
// choice (the dialog was cancelled) gives "".
std::string picturePath(std::string_view chosen);

}  // namespace kalteron
