// Text encodings: the program works in UTF-8; files shared with earlier versions (project files, the
// rainfall database) hold Windows-1252 text.
#pragma once

#include <optional>
#include <string>

namespace talvek {

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) are kept as the control characters of the same code, as Windows itself does.
std::string Windows1252ParaUtf8(const std::string& texto);

// UTF-8 to Windows-1252; no value when the text is not valid UTF-8 or holds a character that
// Windows-1252 cannot represent.
std::optional<std::string> Utf8ParaWindows1252(const std::string& texto);

// Whether the bytes are well-formed UTF-8 (shortest forms, no surrogates, at most U+10FFFF).
bool EUtf8Valido(const std::string& texto);

// The text with every byte that does not begin a well-formed UTF-8 character replaced by U+FFFD, so that a
// path of any bytes can go into JSON, which must be UTF-8.
std::string Utf8ComSubstitutos(const std::string& texto);

// A text of the input as a message quotes it: its first 80 characters, then "…" when there are more, so
// that a name of megabytes does not fill the message.
std::string TrechoCitado(const std::string& texto);

}  // namespace talvek
