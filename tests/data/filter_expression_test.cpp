#include "core/data/filter_expression.h"

#include <gtest/gtest.h>

#include "core/platform/ascii.h"

using namespace quintara;

namespace {

// Fields of the chart and reference tables that the filters name.
std::optional<tFieldInfo> Fields(std::string_view name)
{
    static const std::pair<const char*, tFieldKind> kFields[] = {
        {"COUNTRY", tFieldKind::Integer}, {"LANGUAGE", tFieldKind::Integer}, {"TYPE", tFieldKind::Integer},
        {"P1", tFieldKind::Real},         {"NAME", tFieldKind::Text},        {"SEX", tFieldKind::Text},
        {"DATE", tFieldKind::Date},       {"R1", tFieldKind::Logical},
    };
    for (const auto& [column, kind] : kFields)
        if (SameNameIgnoringCase(name, column)) return tFieldInfo{column, kind};
    return std::nullopt;
}

tSqlFilter Compile(const std::string& text, bool nocase = false, std::string format = "dd/mm/yyyy")
{
    std::string error;
    const auto f = CompileFilter(text, Fields, {nocase, format}, &error);
    EXPECT_TRUE(f) << text << ": " << error;
    return f.value_or(tSqlFilter{});
}

std::string ErrorOf(const std::string& text)
{
    std::string error;
    EXPECT_FALSE(CompileFilter(text, Fields, {}, &error)) << text;
    return error;
}

}  // namespace

TEST(FilterExpression, FiltersTheProgramBuilds)
{
    tSqlFilter f = Compile("Language=0 or LANGUAGE=33");
    EXPECT_EQ(f.where, "(\"LANGUAGE\" = ?1 OR \"LANGUAGE\" = ?2)");
    EXPECT_EQ(f.params, (std::vector<tSqlValue>{std::int64_t{0}, std::int64_t{33}}));
    f = Compile("P1>=0 and P1<30");
    EXPECT_EQ(f.where, "(\"P1\" >= ?1 AND \"P1\" < ?2)");
    EXPECT_EQ(f.params, (std::vector<tSqlValue>{0.0, 30.0}));
    f = Compile("TYPE>4");
    EXPECT_EQ(f.where, "\"TYPE\" > ?1");
    f = Compile("Name>='Du' and Name<='Du}'", true);
    EXPECT_EQ(f.where, "(\"NAME\" >= ?1 COLLATE QNOCASE AND \"NAME\" <= ?2 COLLATE QNOCASE)");
    EXPECT_EQ(f.params, (std::vector<tSqlValue>{std::string("Du"), std::string("Du}")}));
    f = Compile("DATE>='07/12/1956' and DATE<='07/12/1976' and SEX='M'");
    EXPECT_EQ(f.params, (std::vector<tSqlValue>{std::string("1956-12-07"), std::string("1976-12-07"),
                                                 std::string("M")}));
    f = Compile("DATE>='12/07/1956'", false, "mm/dd/yyyy");
    EXPECT_EQ(f.params, (std::vector<tSqlValue>{std::string("1956-12-07")}));
}

TEST(FilterExpression, PrecedenceParenthesesQuotesAndLogicals)
{
    tSqlFilter f = Compile("COUNTRY=1 or COUNTRY=2 and (TYPE<>3)");
    EXPECT_EQ(f.where, "(\"COUNTRY\" = ?1 OR (\"COUNTRY\" = ?2 AND \"TYPE\" <> ?3))");
    f = Compile("NAME='O''Hara' and R1='T'");
    EXPECT_EQ(f.params, (std::vector<tSqlValue>{std::string("O'Hara"), std::int64_t{1}}));
    // Text never reaches the SQL, whatever it holds.
    f = Compile("NAME='x\"; DROP TABLE chart; --'");
    EXPECT_EQ(f.where, "\"NAME\" = ?1");
}

TEST(FilterExpression, MalformedTextNamesThePosition)
{
    EXPECT_EQ(ErrorOf("COUNTRY="), "column 9: a number or a quoted text is expected after COUNTRY=");
    EXPECT_EQ(ErrorOf("CITY=3"), "column 1: unknown field \"CITY\"");
    EXPECT_EQ(ErrorOf("COUNTRY=33 and"), "column 15: a field name is missing at the end");
    EXPECT_EQ(ErrorOf("NAME='open"), "column 6: text constant without its closing quote");
    EXPECT_EQ(ErrorOf("(COUNTRY=1"), "column 11: ')' expected");
    EXPECT_EQ(ErrorOf("COUNTRY='abc'"), "column 9: COUNTRY needs a whole number, not \"abc\"");
    EXPECT_EQ(ErrorOf("DATE>='31/02/1990'"), "column 7: DATE needs a date as dd/mm/yyyy, not \"31/02/1990\"");
    EXPECT_EQ(ErrorOf("COUNTRY=1 COUNTRY=2"), "column 11: \"COUNTRY\" is not expected here");
    EXPECT_EQ(ErrorOf("COUNTRY;1"), "column 8: unexpected character ';'");
    EXPECT_FALSE(ErrorOf(std::string(200, '(') + "COUNTRY=1").empty());
    // Thousands of clauses: one short line, not the storage's statement.
    std::string many = "COUNTRY=0";
    for (int i = 1; i < 5000; ++i) many += " or COUNTRY=" + std::to_string(i);
    EXPECT_EQ(ErrorOf(many), "filter too long: 5000 comparisons, at most 500");
    std::string most = "COUNTRY=0";
    for (int i = 1; i < 500; ++i) most += " or COUNTRY=" + std::to_string(i);
    Compile(most);
}

TEST(FilterExpression, DatesAreCalendarDates)
{
    EXPECT_EQ(DateToIso("29/02/2000", "dd/mm/yyyy"), "2000-02-29");
    EXPECT_FALSE(DateToIso("29/02/1900", "dd/mm/yyyy"));
    EXPECT_EQ(DateToIso("1985-03-02", "mm/dd/yyyy"), "1985-03-02");
    EXPECT_FALSE(DateToIso("13/13/2000", "mm/dd/yyyy"));
    EXPECT_FALSE(DateToIso("1/2", "dd/mm/yyyy"));
}

// A date written without quotes, as the README shows it, is the same
// constant as the quoted one; a number stays a number.
TEST(FilterExpression, UnquotedDatesReadAsQuotedOnes)
{
    EXPECT_EQ(Compile("DATE>15/03/2019").params, Compile("DATE>'15/03/2019'").params);
    EXPECT_EQ(Compile("DATE>=2019-03-15 and DATE<1.4.2020").params,
              (std::vector<tSqlValue>{std::string("2019-03-15"), std::string("2020-04-01")}));
    EXPECT_EQ(Compile("P1>=1.5").params, (std::vector<tSqlValue>{1.5}));
    EXPECT_NE(ErrorOf("P1>15/03/2019").find("needs a number"), std::string::npos);
    EXPECT_NE(ErrorOf("DATE>31/02/2019").find("needs a date"), std::string::npos);
}
