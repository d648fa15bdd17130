// One flat JSON object per line: the input format of batch mode.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace quintara {

struct tJsonValue {
    enum Kind { kNumber, kString, kBool, kNull } kind = kNull;
    double number = 0.0;
    std::string text;  // string value, or the literal as written for numbers
    bool flag = false;
};

using tJsonObject = std::map<std::string, tJsonValue, std::less<>>;

// Parses {"key": value, ...} with scalar values. On failure returns false and
// sets error to a message with the column.
bool ParseJsonObject(std::string_view line, tJsonObject& out, std::string& error);

// Appends s as a JSON string literal (bytes that are not UTF-8 as U+FFFD).
void AppendJsonString(std::string& out, std::string_view s);
// Appends a number with the given count of decimals (NaN/inf become null).
void AppendJsonNumber(std::string& out, double v, int decimals);

}  // namespace quintara
