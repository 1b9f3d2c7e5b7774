#pragma once

#include <string>
#include <string_view>

// Texts live in memory as UTF-8 and in files as Windows-1252. Every one of the
// 256 bytes maps to its own code point, so any 8-bit text survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters the code page cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// Texts written as UTF-16 by other programs are brought to the code page.
std::string Utf16LeToUtf8ViaCp1252(std::string_view bytes);
