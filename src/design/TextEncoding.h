#pragma once

#include <string>
#include <string_view>

// The byte forms a design file can take on disk, and their conversion to and from the
// UTF-8 text the program works in.
enum class FileEncoding { Windows1252, Utf8, Utf16LE };

// Decodes file bytes: a UTF-16LE byte-order mark (FF FE) means UTF-16LE, a UTF-8 mark
// (EF BB BF) or valid UTF-8 with non-ASCII bytes means UTF-8, anything else Windows-1252.
// Byte-order marks are dropped. Never fails: an unpaired surrogate becomes U+FFFD and a
// byte that is not valid UTF-8 inside a marked UTF-8 file is taken as Windows-1252. Text
// that needs no conversion is moved, not copied.
std::string decodeFileText(std::string bytes, FileEncoding *detected = nullptr);

// Encodes UTF-8 text for a file: Windows-1252 when every character has a byte there (so the
// file stays byte-compatible with the Windows program), otherwise UTF-16LE with its
// byte-order mark, which the Windows profile functions also read. Windows-1252 bytes that
// would be taken for UTF-8 when read back go to UTF-16LE too, so the text always comes back.
std::string encodeFileText(std::string utf8, FileEncoding *chosen = nullptr);

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined (81, 8D, 8F,
// 90, 9D) map to the C1 controls of the same number, so every byte survives a round trip.
std::string windows1252ToUtf8(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

// Number of characters in UTF-8 text (bytes that start a character).
std::size_t utf8Length(std::string_view text);
