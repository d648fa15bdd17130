// One flat JSON object per line: the input format of batch mode.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace quintara {

struct tJsonValue {
    // kNested: an array or object, kept as written (only passed through).
    enum Kind { kNumber, kString, kBool, kNull, kNested } kind = kNull;
    double number = 0.0;
    std::string text;  // string value, or the value as written for numbers and nested values
    bool flag = false;
};

using tJsonObject = std::map<std::string, tJsonValue, std::less<>>;

// Parses {"key": value, ...}; nested arrays and objects are checked and kept
// as written. On failure returns false and
// sets error to a message with the column.
bool ParseJsonObject(std::string_view line, tJsonObject& out, std::string& error);

// Appends s as a JSON string literal (bytes that are not UTF-8 as U+FFFD).
void AppendJsonString(std::string& out, std::string_view s);
// Appends a number rounded to the given count of decimals, in its shortest
// form: no trailing zeros, no "-0" (NaN/inf become null).
void AppendJsonNumber(std::string& out, double v, int decimals);
// Appends a parsed value back as JSON.
void AppendJsonValue(std::string& out, const tJsonValue& v);

}  // namespace quintara
