#include "core/data/dbase_writer.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <stdexcept>

#include "core/data/sqlite_db.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"

namespace quintara {

namespace {

constexpr unsigned char kVersion3 = 0x03;
constexpr unsigned char kCodePage1252 = 0x57;  // language driver: Windows ANSI

void PutLe(std::string& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string Padded(std::string text, std::size_t width, bool right)
{
    if (text.size() > width) text.resize(width);
    const std::string pad(width - text.size(), ' ');
    return right ? pad + text : text + pad;
}

}  // namespace

void WriteDbf(const std::string& path, const std::vector<tDbfField>& fields,
              const std::vector<std::vector<std::string>>& rows)
{
    int recordLength = 1;  // the deletion flag
    for (const tDbfField& f : fields) {
        if (f.name.empty() || f.name.size() > 10) throw std::invalid_argument("dBASE field name \"" + f.name + "\"");
        if (f.length < 1 || f.length > 254) throw std::invalid_argument("dBASE field length of " + f.name);
        recordLength += f.length;
    }
    std::string out;
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    out += static_cast<char>(kVersion3);
    out += static_cast<char>(std::min(tm.tm_year, 255));  // years since 1900
    out += static_cast<char>(tm.tm_mon + 1);
    out += static_cast<char>(tm.tm_mday);
    PutLe(out, static_cast<std::uint32_t>(rows.size()), 4);
    PutLe(out, static_cast<std::uint32_t>(32 + 32 * fields.size() + 1), 2);
    PutLe(out, static_cast<std::uint32_t>(recordLength), 2);
    out.append(17, '\0');
    out += static_cast<char>(kCodePage1252);
    out.append(2, '\0');
    for (const tDbfField& f : fields) {
        std::string name = f.name;
        name.resize(11, '\0');
        out += name;
        out += f.type;
        out.append(4, '\0');
        out += static_cast<char>(f.length);
        out += static_cast<char>(f.decimals);
        out.append(14, '\0');
    }
    out += '\x0D';
    for (const auto& row : rows) {
        out += ' ';
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const tDbfField& f = fields[i];
            const std::string v = i < row.size() ? row[i] : std::string();
            switch (f.type) {
            case 'N': out += Padded(v, f.length, true); break;
            case 'D': {
                std::string d;
                for (char c : v)
                    if (c != '-') d += c;
                out += Padded(d, 8, false);
                break;
            }
            case 'L': out += v.empty() ? "?" : v.substr(0, 1); break;
            default: out += Padded(Utf8ToWindows1252(v), f.length, false);
            }
        }
    }
    out += '\x1A';
    std::string error;
    if (!WriteFileAtomically(path, out, &error)) throw tStorageError(error);
}

}  // namespace quintara
