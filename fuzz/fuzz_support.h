// What the fuzz targets share: a scratch program home per process, a reader
// that turns the fuzzer's bytes into typed values, and the properties every
// output must have (a broken one aborts, which the fuzzer reports).
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace quintara::fuzz {

// A program home of its own (default options and vocabulary), made once
// per process and emptied of what one input left behind by Reset.
const std::string& Home();
// Removes everything in the home but the files named in keep.
void ResetHome();
// Writes a file of the home.
void PutFile(const std::string& name, std::string_view bytes);

// Aborts with what when the property fails.
void Require(bool holds, const char* what);
void RequireUtf8(std::string_view text, const char* what);
// No "nan" or "inf" standing as a word.
void RequireNoNonFinite(std::string_view text, const char* what);
void RequireFinite(double v, const char* what);

// The folders around the home (the home lies three levels down in a
// folder of its own): what they hold, names and sizes. Taken before and
// after an input, they must agree: nothing outside the home is touched.
std::map<std::string, std::uintmax_t> Outside();

// Typed values from the fuzzer's bytes, zeros when they run out.
class tBytes {
public:
    tBytes(const std::uint8_t* data, std::size_t size) : p(data), end(data + size) {}
    std::uint8_t Byte() { return p < end ? *p++ : 0; }
    bool Bool() { return Byte() & 1; }
    std::uint32_t U32();
    std::uint64_t U64();
    // lo..hi inclusive.
    int Int(int lo, int hi);
    // Any double, NaN and infinities included.
    double Real();
    // A double that is sometimes ordinary (within -range..range), sometimes
    // anything at all.
    double Near(double range);
    // Up to max bytes, as they come.
    std::string Text(std::size_t max);
    // What is left.
    std::string_view Rest() const { return {reinterpret_cast<const char*>(p), static_cast<std::size_t>(end - p)}; }
    bool Empty() const { return p >= end; }

private:
    const std::uint8_t* p;
    const std::uint8_t* end;
};

}  // namespace quintara::fuzz
