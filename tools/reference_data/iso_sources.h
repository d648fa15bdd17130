// Readers of the two Debian iso-codes formats the build uses: the flat
// JSON list of ISO 3166-1 entries and GNU message catalogues (.mo).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quintara::build {

// The entries of iso_3166-1.json as key/value maps ("alpha_2", "name", ...).
std::optional<std::vector<std::map<std::string, std::string>>> ParseIsoJson(const std::string& text, std::string* error);

// msgid -> msgstr of a little- or big-endian .mo file.
std::optional<std::map<std::string, std::string>> ParseMo(const std::string& bytes, std::string* error);

}  // namespace quintara::build
