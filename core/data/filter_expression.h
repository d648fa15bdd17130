// Filter expressions of the tables ("COUNTRY=33", "P1>=0 and P1<30",
// "DATE>='01/01/1950' and DATE<='31/12/1960'", "Name>='Du' and Name<='Du}'")
// compiled into an SQL condition with bound values. No text of the
// expression reaches the SQL: column names come from the table's field list,
// operators from a fixed set, constants are parameters.
//
// Grammar: expr := term {"or" term}; term := factor {"and" factor};
// factor := "not" factor | "(" expr ")" | field op constant
//         | field "like" 'pattern'  (text fields; * any run, ? one character);
// op := = <> < <= > >=; constant := number | 'text' (a doubled quote
// inside is one quote) | a date.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quintara {

enum class tFieldKind { Integer, Real, Text, Date, Logical };

struct tFieldInfo {
    std::string column;  // the column's name in the table
    tFieldKind kind = tFieldKind::Text;
    // When set, what the field is in SQL instead of the column: a value the
    // program computes from the row (never text of the expression).
    std::string sql = {};
};

// The field of a name as written in an expression (compared without case);
// nothing when the table has no such field.
using tFieldLookup = std::function<std::optional<tFieldInfo>(std::string_view name)>;

using tSqlValue = std::variant<std::int64_t, double, std::string>;

// Comparisons one filter may hold.
inline constexpr std::size_t kMaxFilterComparisons = 500;

struct tSqlFilter {
    std::string where;              // e.g. ("COUNTRY" = ?1 OR "LANGUAGE" = ?2)
    std::vector<tSqlValue> params;  // bound in order, 1-based in the text
};

struct tFilterOptions {
    bool caseInsensitive = false;
    // Short date format of date constants: "dd/mm/yyyy" or "mm/dd/yyyy";
    // ISO "yyyy-mm-dd" is always accepted. Dates are bound as ISO text.
    std::string dateFormat = "dd/mm/yyyy";
};

// The compiled filter, or nothing with error set to "column N: what is wrong".
std::optional<tSqlFilter> CompileFilter(std::string_view text, const tFieldLookup& fields,
                                        const tFilterOptions& options, std::string* error);

// A date constant as ISO "yyyy-mm-dd"; nothing when it is not a calendar
// date in that format (or ISO).
std::optional<std::string> DateToIso(std::string_view text, std::string_view dateFormat);

}  // namespace quintara
