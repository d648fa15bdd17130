// printf-style formatting into a string, for the fixed-width report columns.
#pragma once

#include <cstdio>
#include <string>

namespace quintara::cli {

// Output longer than 159 bytes is cut.
template <class... T>
std::string Format(const char* fmt, T... args)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

}  // namespace quintara::cli
