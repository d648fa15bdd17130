// The tables of a home and a chart file with rows of any values in every
// column (structure-aware: the input picks, column by column, an integer, a
// real of any bits, a text of any bytes, or nothing), read as the program
// reads them: a chart row is refused by name or gives a chart whose zone,
// positions, reports and wheel are numbers and UTF-8; a damaged locality or
// zone row is never used.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/data/chart_record.h"
#include "core/data/data_module.h"
#include "core/data/schemas.h"
#include "core/data/sqlite_db.h"
#include "core/engine/angles.h"
#include "core/i18n/languages.h"
#include "core/options/main_options.h"
#include "core/reports/natal_reports.h"
#include "core/reports/report_context.h"
#include "core/reports/text_writers.h"
#include "fuzz_support.h"
#include "picture_check.h"

using namespace quintara;

namespace {

struct tHome {
    tHome()
    {
        using tDef = tTableDef (*)();
        const std::pair<const char*, tDef> files[] = {{kCityFile, CityTableDef}, {kCountryFile, CountryTableDef},
                                                      {kStateFile, StateTableDef}, {kTime1File, Time1TableDef},
                                                      {kTime2File, Time2TableDef}};
        std::filesystem::create_directories(fuzz::Home() + "/" + kTableFolder);
        for (const auto& [file, def] : files) {
            auto db = std::make_unique<tDatabase>(fuzz::Home() + "/" + file, true);
            tables.push_back(std::make_unique<tTable>(*db, def()));
            dbs.push_back(std::move(db));
        }
        options = std::make_unique<TMainOptions>(fuzz::Home());
        lang = std::make_unique<TLanguages>(fuzz::Home(), options->Profile());
        data = std::make_unique<TData1>(fuzz::Home());
        ctx = MakeReportContext(*options, *lang, [this]() -> TData1& { return *data; });
        pictures.Lang = lang.get();
        pictures.AspectRules = ctx.AspectRules;
    }
    std::vector<std::unique_ptr<tDatabase>> dbs;
    std::vector<std::unique_ptr<tTable>> tables;  // city, country, state, time1, time2
    std::unique_ptr<TMainOptions> options;
    std::unique_ptr<TLanguages> lang;
    std::unique_ptr<TData1> data;
    tReportContext ctx;
    tPictureContext pictures;
};

// One row of any values.
void FillRow(tTable& t, const tTableDef& def, fuzz::tBytes& in)
{
    t.EmptyTable();
    t.Insert();
    for (const tColumnDef& c : def.columns) {
        if (c.autoIncrement) continue;
        switch (in.Byte() % 4) {
        case 0: t.Set(c.name, static_cast<std::int64_t>(in.U64() % 200000) - 100000); break;
        case 1: t.Set(c.name, in.Real()); break;
        case 2: t.Set(c.name, in.Text(40)); break;
        default: break;
        }
    }
    t.Post();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static tHome h;
    fuzz::tBytes in(data, size);
    const tTableDef defs[] = {CityTableDef(), CountryTableDef(), StateTableDef(), Time1TableDef(), Time2TableDef()};
    for (std::size_t k = 0; k < 5; ++k) FillRow(*h.tables[k], defs[k], in);
    tTable& charts = h.data->ChartTable();
    FillRow(charts, ChartTableDef(), in);

    for (const tLocality& l : h.data->FindLocalities("", 5))
        fuzz::Require(PackedWithin(l.latitude, 90) && PackedWithin(l.longitude, 180), "a damaged locality was used");

    charts.Refresh();
    charts.First();
    tChart c(&h.options->BirthSet);
    try {
        h.data->ReadChart(c);
    } catch (const tStorageError& e) {
        const std::string why = e.what();
        if (why.find("out of range") == std::string::npos) std::fprintf(stderr, "refused: %s\n", why.c_str());
        fuzz::Require(why.find("out of range") != std::string::npos, "refused without saying why");
        return 0;
    }
    if (in.Bool()) {
        h.data->FindAdjust(c);
        fuzz::Require(PackedWithin(c.Adjust, 26), "zone correction out of range");
    }
    CalcChart(c);
    for (int p = 1; p <= c.BodyCount(); ++p) fuzz::RequireFinite(c.BodyAt(p)->GetPosition(), "body not a number");
    tFixedMetrics metrics;
    tReportText text(metrics);
    WriteHeader(text, c, h.ctx);
    WriteFullList(text, c, h.ctx);
    tAspectsCollection aspects(h.ctx.AspectRules);
    DisplayAspects(text, c, aspects, h.ctx);
    for (const std::string& doc : {WriteHtml(text, c.Name), WriteRtf(text), WritePlainText(text)}) {
        fuzz::RequireUtf8(doc, "report not UTF-8");
        fuzz::RequireNoNonFinite(doc, "report holds a non-finite number");
    }
    fuzz::CheckPicture(tGraphKind::Daisy, c, c, h.pictures);
    return 0;
}
