// UTF-8 text as the program holds it inside.
#pragma once

namespace kalteron {

// Whether a byte of UTF-8 text continues a character rather than starting one.
inline bool prodolzhenieUtf8(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace kalteron
