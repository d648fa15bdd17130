// A reference table file of any bytes, as a home may hold it after a full
// disk or another tool: the start-up check names it or passes it, and a
// file it passes is opened by the storage without a crash (an error is a
// message naming the file).
#include <string>

#include "core/data/data_module.h"
#include "core/data/table_files.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ResetHome();
    fuzz::PutFile(kCountryFile, std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string path = fuzz::Home() + "/" + kCountryFile;
    std::string why;
    const bool whole = TableFileWhole(path, &why);
    fuzz::Require(whole == why.empty(), "a verdict without its reason");
    for (const std::string& d : DamagedReferenceFiles(fuzz::Home()))
        fuzz::Require(d.rfind(fuzz::Home(), 0) == 0 && !whole, "a damaged file not named by its path");
    if (!whole) return 0;
    try {
        TData1 tables(fuzz::Home(), kDefaultChartFile, TData1::tChartFileMode::kExisting);
        tables.GetCountryName(250, 1);
        tables.FindCountryCode("France");
    } catch (const tStorageError& e) {
        fuzz::Require(std::string(e.what()).find(path) != std::string::npos, "a storage error not naming the file");
    }
    return 0;
}
