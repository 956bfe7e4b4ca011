// Windows-1251 (Cyrillic) on disk, UTF-8 inside. Project files and License.txt
// are written and read through these two functions.
#pragma once

#include <string>
#include <string_view>

namespace kalteron {

// UTF-8 to Windows-1251. A character the code page cannot hold, and every byte
// of a malformed UTF-8 sequence, becomes "?".
std::string utf8ToCp1251(std::string_view utf8);

// Windows-1251 to UTF-8. The one unassigned byte (0x98) becomes "?".
std::string cp1251ToUtf8(std::string_view bytes);

// The text with the Latin capitals A to Z made small; every other byte as it
// is. File names and extensions are compared through it without regard to
// letter case.
std::string asciiLower(std::string_view text);

}  // namespace kalteron
