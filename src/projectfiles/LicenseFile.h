// The terms-of-use file written next to the program.
#pragma once

#include <string>

namespace kalteron {

// Writes the terms of use followed by CR LF to `path` in Windows-1251,
// replacing whatever the file held, as a project is saved (writeWholeFile).
// False when the file cannot be written; it is then as it was.
bool zapisatLicenziu(const std::string& path);

}  // namespace kalteron
