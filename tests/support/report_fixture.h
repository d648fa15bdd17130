// A program home with default options and vocabulary, a report text with
// fixed-width metrics and the context the report builders read.
#pragma once

#include <string>
#include <vector>

#include "core/graphics/picture_context.h"
#include "core/options/option_set.h"
#include "core/reports/report_context.h"
#include "core/reports/report_text.h"
#include "support/temp_dir.h"

namespace quintara::test {

struct tReportFixture {
    tTempDir home;
    tProfileFile settings{home.File("Astro.ini")};
    TLanguages lang{home.Path(), settings};
    tOptionRecord o = tOptionRecord::Defaults();
    tFixedMetrics metrics;
    tReportText text{metrics};
    tReportContext ctx;

    tReportFixture()
    {
        ctx.Lang = &lang;
        ctx.AspectRules = {&o.NatalOrbs, &o.SynastryOrbs, 3};
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> out;
        for (const tParagraph& p : text.Paragraphs()) out.push_back(p.Text());
        return out;
    }
};

// The same with the context the pictures read.
struct tPictureFixture : tReportFixture {
    tPictureContext pc;
    tPictureFixture()
    {
        pc.Lang = &lang;
        pc.AspectRules = ctx.AspectRules;
    }
};

}  // namespace quintara::test
