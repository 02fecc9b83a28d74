#pragma once

#include <charconv>
#include <string>

// A logged value: the shortest text that reads back as the very same double.
inline std::string exactText (double value)
{
    char text[32];
    return std::string (text, std::to_chars (text, text + sizeof text, value).ptr);
}
