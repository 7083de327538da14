#pragma once
// The character rule for the two text lines of a pattern file.
//
// Files from the program's earlier Windows versions hold their text in
// Windows-1252, so that is what we write whenever every character fits;
// anything else is written as UTF-8. Reading takes valid UTF-8 as UTF-8 and
// anything else as Windows-1252.
//
// Plain standard C++ so the fuzzer can drive it without Qt.

#include <string>
#include <string_view>

namespace TextCodec {

// True when `bytes` is well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no sequence cut short.
bool IsValidUtf8(std::string_view bytes);

// Bytes of a text line as read from a file, decoded by the rule above.
std::u16string DecodeLine(std::string_view bytes);

// A text line ready for the file. Windows-1252 is chosen only when the
// result could not be mistaken for UTF-8 on reading: text such as "Ã©" is
// two Windows-1252 bytes that also spell "é" in UTF-8, so it goes out as
// UTF-8 instead and reads back exactly as it was saved.
// Unpaired surrogates are written as U+FFFD.
std::string EncodeLine(std::u16string_view text);

} // namespace TextCodec
