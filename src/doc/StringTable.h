#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

// The program's texts by number. An unknown number gives an empty text.
std::string LoadString(int id);

// Replaces %1 … %9 with the arguments, as the message boxes of the program
// expect; other text is kept as it stands.
std::string FormatPositional(std::string_view pattern, std::initializer_list<std::string_view> args);
std::string FormatMessage(int id, std::initializer_list<std::string_view> args);

// printf-style formatting into a string; numbers always use a decimal point.
template <class... Args>
std::string Sprintf(const std::string& format, Args... args)
{
    const int size = std::snprintf(nullptr, 0, format.c_str(), args...);
    if (size <= 0)
        return {};
    std::string out(std::size_t(size) + 1, '\0');
    std::snprintf(out.data(), out.size(), format.c_str(), args...);
    out.resize(std::size_t(size));
    return out;
}
