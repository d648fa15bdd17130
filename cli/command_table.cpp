#include "cli/command_table.h"

#include <algorithm>

namespace quintara::cli {
namespace {

constexpr unsigned kBirth = kGlobalOptions | kChartOptions;

constexpr tOptionInfo kOptions[] = {
    {"--help", "", kGlobalOptions, "this help (-h); after a command, that command's"},
    {"--home", "DIR", kGlobalOptions,
     "program home (settings, language files, tables); default $QUINTARA_HOME, the program's folder if it "
     "holds Astro.ini, else ~/.local/share/quintara"},
    {"--chart-file", "FILE", kGlobalOptions,
     "chart file (default: the settings', chart.db in the home); a relative name is from the working folder"},
    {"--ephemeris", "builtin|precise", kGlobalOptions,
     "where positions come from for this run: the built-in theory or the Swiss Ephemeris files "
     "(1800-2399; default: the settings')"},
    {"--language", "NAME", kGlobalOptions,
     "the language of text output for this run: english, french, dutch, german or 1, 33, 31, 49 (never "
     "saved; default: the settings', else the locale's); JSON, CSV and JSON Lines are English always"},
    {"--quiet", "", kGlobalOptions, "no status lines on standard error (warnings and errors stay)"},
    {"--date", "YYYY-MM-DD", kChartOptions, "civil date (proleptic Gregorian, year 0..65535)"},
    {"--time", "HH:MM", kChartOptions, "local clock time (without it: 12:00, said in a warning)"},
    {"--adjust", "H.MM", kChartOptions, "zone correction added to the clock time to give UT (-1.00 for CET)"},
    {"--zone", "auto|H.MM", kChartOptions,
     "auto: the zone from the time tables for place and date (the default with --place without --adjust); "
     "H.MM: as --adjust"},
    {"--lat", "D.MM|48N52", kChartOptions, "latitude, north positive"},
    {"--lon", "D.MM|2E21", kChartOptions, "longitude, west positive (or 2E21, 2W21)"},
    {"--place", "NAME", kChartOptions,
     "the locality's coordinates, country and state (case and accents ignored; the most populous of "
     "that name)"},
    {"--house", "NAME|CODE", kChartOptions,
     "placidus, koch, campanus, regiomontanus (montroyal), equal, equal-mc, equal-aries, whole-sign, "
     "porphyry, morinus, meridian, topocentric, alcabitius, krusinski, vehlow, sripati, carter, horizon, "
     "apc, pullen-sd, pullen-sr, sunshine, savard-a (case, spaces and hyphens ignored), their codes, or 255 (time unknown); default: the settings'"},
    {"--zodiac", "tropical|sidereal|AYANAMSA", kChartOptions,
     "default: the settings'; sidereal takes the settings' ayanamsa"},
    {"--ayanamsa", "NAME|NUMBER|user:JD:DEGREES", kChartOptions,
     "the sidereal zodiac with this ayanamsa: lahiri, fagan-bradley, krishnamurti, raman, true-citra, ... (0..46 by "
     "the common numbering), classic (the program's own shift), or a value in degrees at a Julian day (UT)"},
    {"--points", "LIST", kChartOptions,
     "points for this run beside the chart setup's: vesta, pholus, mean-node, true-node, south-node, true-lilith, "
     "vertex, anti-vertex, east-point, cupido ... poseidon, or a lot's, part's or star's name (lot-of-spirit, "
     "aldebaran; case, spaces and hyphens ignored)"},
    {"--name", "TEXT", kChartOptions, "the chart's name"},
    {"--first-name", "TEXT", kChartOptions, "the chart's first name"},
    {"--comment", "TEXT", kChartOptions, "the chart's comment"},
    {"--sex", "m|f", kChartOptions, "a man's (the default) or a woman's chart"},
    {"--json", "", kJsonOption, "one JSON object on standard output instead of text (schema: quintara-cli(1))"},
    {"--all", "", kAspectKinds, "every aspect kind instead of the settings' (major by default)"},
    {"--orb-percent", "N", kOrbOption, "scale every orb (100 = the settings' orbs)"},
    {"--jobs", "N", kJobsOption, "threads computing side by side (default: one per core; the same output)"},
    {"--batch", "", kBatchOption,
     "JSON Lines in (year, month, day, hour, minute, adjust, lat, lon, house, zodiac, ayanamsa, place, "
     "country, id), one JSON line out per line in"},
    {"-o", "FILE", kOutputFile, "the output file (--output); - is standard output"},
    {"--output", "FILE", kOutputFile, "the same as -o"},
    {"--replace", "", kOutputFile | kExportOptions, "overwrite an existing file (never a chart file)"},
    {"--format", "text|rtf|html", kReportFormat, "report format; default: from -o's name, else text"},
    {"--analysis", "", kReportFormat, "append the interpretation"},
    {"--format", "text|csv|jsonl", kListFormat, "text (default), CSV with a header, or JSON Lines"},
    {"--format", "aaf|csv|jsonl", kExportOptions | kImportOptions,
     "the format of - (standard input or output), which has no name to tell it"},
    {"--format", "ics|csv", kEventOptions, "the format of -o - (default ics)"},
    {"--format", "svg|png|pdf", kPictureOptions, "the format of -o - (default svg)"},
    {"--positions", "", kExportOptions, "CSV and JSON Lines: each chart's computed positions too"},
    {"--filter", "EXPRESSION", kFilterOption, "only the charts the expression selects (see FILTERS)"},
    {"--limit", "N", kLimitOption, "at most N localities (default 20)"},
    {"--bodies", "LIST", kTransitOptions, "transiting bodies: moon,mars,...,chiron,vesta or 1-10 (default: the Moon to Pluto)"},
    {"--utc", "", kTransitOptions, "moments in universal time, not on the birth place's clock"},
    {"--tz", "ZONE", kEventOptions,
     "the clock the moments are shown on: an IANA name such as Europe/Paris (default: the system's)"},
    {"--moon-aspects", "", kEventOptions, "the Moon's aspects too"},
    {"--void-of-course", "", kEventOptions, "the Moon's void-of-course periods too"},
    {"--shadows", "", kEventOptions, "the retrograde shadows of Mercury, Venus and Mars too"},
    {"--size", "WxH", kPictureOptions, "picture size in pixels (default 1000x1000)"},
    {"--zoom", "F", kPictureOptions, "zoom factor 0.1 to 10"},
    {"--proportional", "", kPictureOptions, "houses in proportion to their size"},
    {"--keep-good", "", kImportOptions, "store the good records when some are refused (else nothing is stored)"},
    {"--into", "FILE.db", kIntoOption, "the chart file made (default: the old file's name with .db)"},
};

constexpr unsigned kAnyChart = kBirth | kJsonOption;

constexpr tCommandInfo kCommands[] = {
    {"positions", "[chart options] [--json] | --batch [--jobs N] < IN.jsonl",
     "the positions of a chart (chart is another name)", kAnyChart | kBatchOption | kJobsOption, 0, 0},
    {"chart", "[chart options] [--json]", "the same as positions", kAnyChart | kBatchOption | kJobsOption, 0, 0},
    {"aspects", "[chart options] [--all] [--orb-percent N] [--json]", "the aspects inside a chart, scored",
     kAnyChart | kAspectKinds | kOrbOption, 0, 0},
    {"synastry", "[chart options] [second chart options] [--all] [--json]", "the aspects between two charts",
     kAnyChart | kSecondChart | kAspectKinds | kOrbOption, 0, 0},
    {"place", "NAME [--limit N] [--json]", "localities starting with NAME, with today's zone",
     kGlobalOptions | kLimitOption | kJsonOption, 1, 1},
    {"charts add", "[chart options] --name NAME", "stores a new chart; prints its index", kBirth | kJsonOption, 0, 0},
    {"charts list", "[--filter EXPRESSION] [--format text|csv|jsonl] [--json]", "the charts of the chart file",
     kGlobalOptions | kFilterOption | kListFormat | kJsonOption, 0, 0},
    {"charts show", "INDEX [--json]", "one chart, computed", kGlobalOptions | kJsonOption, 1, 1},
    {"charts delete", "INDEX", "deletes a chart", kGlobalOptions, 1, 1},
    {"charts recalc", "INDEX", "computes a stored chart again", kGlobalOptions, 1, 1},
    {"charts zone", "INDEX", "looks a stored chart's zone up again", kGlobalOptions | kJsonOption, 1, 1},
    {"charts export", "FILE|- [--filter EXPRESSION] [--positions] [--replace] [--format F]",
     "FILE.txt, .dbf, .db (a new chart file), .aaf, .csv or .jsonl; - (standard output) with --format aaf|csv|jsonl",
     kGlobalOptions | kFilterOption | kExportOptions, 1, 1},
    {"charts import", "FILE|- [--keep-good] [--format F]",
     "FILE.aaf, .csv or .jsonl, every record checked first, stored in one go; - (standard input) with --format aaf|csv|jsonl",
     kGlobalOptions | kImportOptions, 1, 1},
    {"charts append", "FILE.db", "adds the charts of another chart file", kGlobalOptions, 1, 1},
    {"charts import-old", "OLDFILE [--into FILE.db]", "converts an old fixed-record chart file",
     kGlobalOptions | kIntoOption, 1, 1},
    {"return", "sun YEAR | moon YYYY-MM-DD [chart options] [--json]",
     "the solar return in YEAR, or the lunar return nearest the day", kAnyChart, 2, 2},
    {"phases", "YYYY-MM-DD [--time HH:MM] [--adjust H.MM] [--json]",
     "nine quarter phases of the Moon from 28 days before", kAnyChart, 1, 1},
    {"progression", "YYYY-MM-DD [chart options] [--json]", "the progressed chart for the day", kAnyChart, 1, 1},
    {"midpoints", "[chart options] [second chart options] [--json]", "the midpoint chart of two charts",
     kAnyChart | kSecondChart, 0, 0},
    {"composite", "[chart options] [second chart options] [--json]",
     "the composite chart of two charts: midpoints, houses from the mean Midheaven at the mean latitude",
     kAnyChart | kSecondChart, 0, 0},
    {"davison", "[chart options] [second chart options] [--json]",
     "the chart of the moment and place midway between two charts", kAnyChart | kSecondChart, 0, 0},
    {"relocated", "--place2 NAME | --lat2 D.MM --lon2 D.MM [--adjust2 H.MM] [chart options] [--json]",
     "the chart's moment cast at another place", kAnyChart | kSecondChart, 0, 0},
    {"directions", "solar-arc DATE | solar-arc-hits START MONTHS [chart options] [--all] [--json]",
     "the chart directed by the true solar arc to DATE, or the directed-to-natal aspects with their dates",
     kAnyChart | kAspectKinds, 2, 3},
    {"profections", "DATE [chart options] [--json]",
     "the year and month of life of DATE: their signs from the Ascendant's and the signs' lords", kAnyChart, 1, 1},
    {"firdaria", "[chart options] [--json]", "the 75 years of planetary periods and their parts, with their dates",
     kAnyChart, 0, 0},
    {"hours", "DATE --place NAME [--json]",
     "sunrise, sunset and the 24 planetary hours of DATE at a place, on its clock", kAnyChart, 1, 1},
    {"transits", "[START [MONTHS]] [chart options] [--bodies LIST] [--all] [--utc] [--json]",
     "transit events from START (default today) for MONTHS (default 1)",
     kAnyChart | kTransitOptions | kAspectKinds | kJobsOption, 0, 2},
    {"previsions", "[START [STEP [COUNT]]] [chart options] [--all] [--json]",
     "COUNT (default 12) scores every STEP days.hours (default 7.00)", kAnyChart | kAspectKinds, 0, 3},
    {"events", "[START [MONTHS]] [--tz ZONE] [--moon-aspects] [--void-of-course] [--shadows] [chart options] [-o FILE.ics|FILE.csv|-] [--json]",
     "the sky's events (ingresses, stations, phases, aspects); with chart options, that chart's transits too",
     kAnyChart | kEventOptions | kTransitOptions | kAspectKinds | kJobsOption | kOutputFile, 0, 2},
    {"report", "KIND [WORDS] [chart options] [--analysis] [--format text|rtf|html] [-o FILE] [--json]",
     "KIND: natal, list, aspects, analysis, transits [START [MONTHS]], compare-day [DATE], synastry, "
     "compare-file [man|woman|both [MINAGE [MAXAGE [POSITIVE [NEGATIVE [TOTAL]]]]]], previsions [START [STEP "
     "[COUNT]]], sun-return [YEAR], moon-return [DATE], progression [DATE], midpoints",
     kAnyChart | kSecondChart | kReportFormat | kOutputFile | kAspectKinds | kTransitOptions | kJobsOption, 1, 7},
    {"picture", "KIND -o FILE.svg|.png|.pdf [chart options] [second chart options] [--size WxH] [--zoom F]",
     "KIND: daisy (aspect-wheel), us (daisy-wheel), clock, two, us-two, side-by-side, us-side-by-side, grid, two-grid, line [STEP], "
     "transit-line [START [STEP [BODY]]], previsions [START [STEP [COUNT]]], moon [DATE]",
     kBirth | kSecondChart | kPictureOptions | kOutputFile, 1, 4},
};

// The row of an option for a command's groups; known tells whether any
// command takes the name.
const tOptionInfo* FindOption(std::string_view name, unsigned groups, bool& known)
{
    known = false;
    for (const tOptionInfo& o : kOptions) {
        if (o.name != name) continue;
        known = true;
        if (o.groups & groups) return &o;
    }
    return nullptr;
}

// The chart option a name ending in 2 stands for, when the command takes a second chart.
const tOptionInfo* SecondChartOption(std::string_view name, unsigned groups)
{
    if (!(groups & kSecondChart) || name.size() < 4 || name.back() != '2') return nullptr;
    bool known = false;
    const tOptionInfo* o = FindOption(name.substr(0, name.size() - 1), kChartOptions, known);
    return o;
}

// Lines of at most width columns; the first indented by indent, the
// others by hanging (default the same).
std::string Wrapped(std::string_view text, std::size_t indent, std::size_t width = 79, std::size_t hanging = 0)
{
    if (!hanging) hanging = indent;
    std::string out, line(indent, ' ');
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(at, end - at);
        if (line.find_first_not_of(' ') != std::string::npos && line.size() + 1 + word.size() > width) {
            out += line + "\n";
            line.assign(hanging, ' ');
        }
        if (line.find_first_not_of(' ') != std::string::npos) line += ' ';
        line += word;
        at = end + 1;
    }
    return out + line + "\n";
}

std::string OptionLines(unsigned groups)
{
    std::string s;
    for (const tOptionInfo& o : kOptions) {
        if (!(o.groups & groups) || o.name == "--output") continue;
        std::string head = std::string("  ").append(o.name);
        if (!o.value.empty()) head.append(" ").append(o.value);
        if (head.size() < 24) head.resize(24, ' ');
        else head.append("\n").append(24, ' ');
        s += head + Wrapped(o.help, 24).substr(24);
    }
    return s;
}

}  // namespace

std::span<const tOptionInfo> Options() { return kOptions; }
std::span<const tCommandInfo> Commands() { return kCommands; }

bool ReadCommandLine(int argc, char** argv, tCommandLine& line, std::string& error)
{
    line = {};
    std::vector<std::string_view> args(argv + 1, argv + argc);
    // The command is the first word (two for charts); options may come
    // before it, so a first pass finds it, knowing which options take a value.
    std::vector<std::size_t> wordAt;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (!optionsEnd && a == "--") {
            optionsEnd = true;
            continue;
        }
        if (optionsEnd || a.size() < 2 || a[0] != '-' || (a[1] >= '0' && a[1] <= '9') || a[1] == '.') {
            wordAt.push_back(i);
            continue;
        }
        std::string_view name = a.substr(0, a.find('='));
        if (name == "-h") name = "--help";
        if (name == "--version") line.version = true;
        bool known = false;
        const tOptionInfo* o = FindOption(name, ~0u, known);
        if (!o && name.size() > 3 && name.back() == '2') o = FindOption(name.substr(0, name.size() - 1), kChartOptions, known);
        if (o && !o->value.empty() && a.find('=') == std::string_view::npos) ++i;  // its value is no word
    }
    std::string name;
    std::size_t used = 0;
    if (!wordAt.empty()) {
        name = args[wordAt[0]];
        used = 1;
        if (name == "charts" && wordAt.size() > 1) {
            name += " " + std::string(args[wordAt[1]]);
            used = 2;
        }
        for (const tCommandInfo& c : kCommands)
            if (c.name == name) line.command = &c;
        if (!line.command) {
            if (name == "charts")
                error = "charts: what to do? add, list, show, delete, recalc, zone, export, import, append or import-old";
            else if (name.rfind("charts ", 0) == 0)
                error = "charts: unknown action " + name.substr(7) +
                        " (add, list, show, delete, recalc, zone, export, import, append or import-old)";
            else
                error = "unknown command " + name + " (quintara-cli --help lists the commands)";
            // Help and version answer whatever else the line holds.
            if (line.version || std::find(args.begin(), args.end(), "--help") != args.end() ||
                std::find(args.begin(), args.end(), "-h") != args.end()) {
                error.clear();
                line.help = !line.version;
                return true;
            }
            return false;
        }
    }
    const unsigned groups = line.command ? line.command->groups : kGlobalOptions;
    const std::string helpHint = line.command ? " (quintara-cli " + std::string(line.command->name) +
                                                    " --help lists its options)"
                                              : " (quintara-cli --help lists the options)";
    optionsEnd = false;
    std::size_t nextWord = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (!optionsEnd && a == "--") {
            optionsEnd = true;
            continue;
        }
        if (optionsEnd || a.size() < 2 || a[0] != '-' || (a[1] >= '0' && a[1] <= '9') || a[1] == '.') {
            if (nextWord++ >= used) line.words.emplace_back(a);
            continue;
        }
        const std::size_t eq = a.find('=');
        std::string written(a.substr(0, eq));
        if (written == "-h" || written == "--help") {
            line.help = true;
            continue;
        }
        if (written == "--version") {
            line.version = true;
            continue;
        }
        bool known = false;
        const tOptionInfo* o = FindOption(written, groups, known);
        if (!o) o = SecondChartOption(written, groups);
        if (!o) {
            bool second = false;
            if (written.size() > 3 && written.back() == '2')
                FindOption(std::string_view(written).substr(0, written.size() - 1), kChartOptions, second);
            error = known || second ? written + " is not an option of " +
                                          (line.command ? std::string(line.command->name) : std::string("quintara-cli")) +
                                          helpHint
                                    : "unknown option " + written + helpHint;
            return false;
        }
        tGivenOption given{o, written, {}};
        if (o->value.empty()) {
            if (eq != std::string_view::npos) {
                error = written + " takes no value" + helpHint;
                return false;
            }
        } else if (eq != std::string_view::npos) {
            given.value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            given.value = args[++i];
        } else {
            error = written + ": missing value (" + std::string(o->value) + ")";
            return false;
        }
        line.options.push_back(std::move(given));
    }
    if (line.help || line.version || !line.command) return true;
    const int words = static_cast<int>(line.words.size());
    if (words > line.command->maxWords) {
        error = "unexpected argument " + line.words[static_cast<std::size_t>(line.command->maxWords)] + " (usage: quintara-cli " +
                std::string(line.command->name) + " " + std::string(line.command->synopsis) + ")";
        return false;
    }
    return true;
}

std::string ProgramHelp()
{
    std::string s = "usage: quintara-cli COMMAND [WORDS] [OPTIONS]\n       quintara-cli --help | --version\n"
                    "       quintara-cli COMMAND --help     that command's options\n\ncommands:\n";
    for (const tCommandInfo& c : kCommands) {
        if (c.name == "chart") continue;
        s += Wrapped(std::string(c.name) + " " + std::string(c.synopsis), 2, 79, 10);
        s += Wrapped(c.summary, 6);
    }
    s += "\nglobal options (before or after the command; --opt=value works too):\n" + OptionLines(kGlobalOptions);
    s += "\nchart options (a birth needs --date and --place, or --lat, --lon and --adjust; a second chart's "
         "end in 2: --date2, --place2, ...):\n" +
         OptionLines(kChartOptions);
    s += "\nThe manual page quintara-cli(1) lists every option, the JSON schema and the filter fields.\n";
    return s;
}

std::string CommandHelp(const tCommandInfo& c)
{
    std::string s = Wrapped("usage: quintara-cli " + std::string(c.name) + " " + std::string(c.synopsis), 0, 79, 8);
    s += Wrapped(c.summary, 2) + "\n";
    if (c.groups & kChartOptions) {
        s += "chart options (a birth needs --date and --place, or --lat, --lon and --adjust):\n" +
             OptionLines(kChartOptions);
        if (c.groups & kSecondChart) s += "  the second chart's options end in 2: --date2, --time2, --place2, ...\n";
        s += "\n";
    }
    const unsigned own = c.groups & ~(kGlobalOptions | kChartOptions | kSecondChart);
    if (own) s += "options:\n" + OptionLines(own) + "\n";
    s += "global options:\n" + OptionLines(kGlobalOptions);
    return s;
}

}  // namespace quintara::cli
