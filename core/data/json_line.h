// One flat JSON object per line: the input format of batch mode.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quintara {

struct tJsonValue {
    // kNested: an array or object, kept as written (only passed through).
    enum Kind { kNumber, kString, kBool, kNull, kNested } kind = kNull;
    double number = 0.0;
    std::string text;  // string value, or the value as written for numbers and nested values
    bool flag = false;
};

// The fields of one line in the order written. A line has a dozen, so a
// flat list searched in order beats a tree, and clear() keeps its memory
// for the next line.
class tJsonObject {
public:
    using value_type = std::pair<std::string, tJsonValue>;
    using const_iterator = std::vector<value_type>::const_iterator;

    const_iterator begin() const { return fields.begin(); }
    const_iterator end() const { return fields.end(); }
    const_iterator find(std::string_view key) const
    {
        return std::find_if(fields.begin(), fields.end(), [&](const value_type& f) { return f.first == key; });
    }
    bool contains(std::string_view key) const { return find(key) != end(); }
    // The value of a field that must be there.
    const tJsonValue& at(std::string_view key) const
    {
        const auto it = find(key);
        if (it == end()) throw std::out_of_range("no field " + std::string(key));
        return it->second;
    }
    std::size_t size() const { return fields.size(); }
    bool empty() const { return fields.empty(); }
    void clear() { fields.clear(); }
    // The caller sees to it that key is not there yet.
    void emplace(std::string key, tJsonValue value) { fields.emplace_back(std::move(key), std::move(value)); }

private:
    std::vector<value_type> fields;
};

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
