// A writer of dBASE III tables (.dbf without memo file), the exchange
// format spreadsheets and office suites open directly.
#pragma once

#include <string>
#include <vector>

namespace quintara {

struct tDbfField {
    std::string name;  // up to 10 ASCII characters
    char type = 'C';   // C text, N number, D date, L logical
    int length = 10;   // C up to 254; D is always 8; L is 1
    int decimals = 0;  // N only
};

// Values as text: C in UTF-8 (written in Windows-1252, '?' where it has no
// letter), N as a decimal number, D as "yyyy-mm-dd", L as "T"/"F"; "" is
// blank. Throws std::invalid_argument for a bad layout; writes atomically.
void WriteDbf(const std::string& path, const std::vector<tDbfField>& fields,
              const std::vector<std::vector<std::string>>& rows);

}  // namespace quintara
