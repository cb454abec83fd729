#pragma once
// The single-byte Windows-1252 text of record fields and the program's text files. In memory the
// program holds UTF-8; on disk one byte stands for one character.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// UTF-8 to Windows-1252; a character the code page lacks becomes '?', and so does every byte
// of malformed UTF-8.
std::string ToCp1252(std::string_view utf8);
// Windows-1252 to UTF-8; the five unassigned bytes map to the code points of the same value.
std::string FromCp1252(std::string_view bytes);
// True when every character of `utf8` has a byte of its own, so that it reads back from a
// one-byte field or file as it was typed (not as "?").
bool KeptInOneByte(std::string_view utf8);
// True when a field's text read back is text: no control character and no byte that the code
// page leaves unassigned. Text that is not marks a damaged record.
bool IsReadableText(std::string_view utf8);

// Writes `utf8` into a fixed-length field: encoded, cut at the field's length, blank padded.
void PutFixedText(std::span<std::uint8_t> field, std::string_view utf8);
// The field's text as stored (trailing blanks kept), decoded to UTF-8.
std::string GetFixedText(std::span<const std::uint8_t> field);
// The field's text trimmed of blanks; a field that starts with NUL, or holds only blanks, is
// empty. NULs after the text end it.
std::string FieldText(std::span<const std::uint8_t> field);
