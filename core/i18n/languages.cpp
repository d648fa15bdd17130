#include "core/i18n/languages.h"

#include <charconv>

#include "core/i18n/caption_ids.h"
#include "core/i18n/default_body_names.h"
#include "core/i18n/default_captions.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"
#include "core/platform/file_names.h"
#include "core/platform/locale_env.h"
#include "core/platform/version.h"

namespace quintara {
namespace {

constexpr const char* kCaptions = "Captions";
constexpr const char* kPlanetName = "PlanetName";
constexpr const char* kPlanetShortName = "PlanetShortName";

bool ParseNumber(const std::string& s, int& n)
{
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return ec == std::errc() && end == s.data() + s.size();
}

// The first count characters (code points) of UTF-8 text.
std::string FirstCharacters(const std::string& s, int count)
{
    std::size_t i = 0;
    for (int k = 0; k < count && i < s.size(); ++k) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    }
    return s.substr(0, i);
}

}  // namespace

int LanguageFromLetters(const std::string& letters)
{
    if (letters == "fr") return 33;
    // "du" is the regional-settings spelling of the original; "de" is the
    // locale's for German.
    if (letters == "de" || letters == "du") return 49;
    return 1;
}

TLanguages::TLanguages(std::string h, tProfileFile& s) : home(std::move(h)), settings(s)
{
    LoadSettings();
}

TLanguages::TLanguages(tBuiltIn, tProfileFile& s) : builtIn(true), settings(s)
{
    SetDateFormat(1);
    SetTimeFormat(1);
    ReadLanguage(1);
}

TLanguages& TLanguages::BuiltInEnglish()
{
    static tProfileFile none;
    static TLanguages english(tBuiltIn{}, none);
    return english;
}

std::string TLanguages::Caption(int n) const
{
    if (n < 0 || n >= static_cast<int>(captions.size())) return {};
    return captions[static_cast<std::size_t>(n)];
}

std::string TLanguages::ProgramTitle() const
{
    std::string words = Caption(caption::kProgramName);
    const std::size_t last = words.find_last_of(' ');
    if (last != std::string::npos && last + 1 < words.size() &&
        words.find_first_not_of("0123456789.", last + 1) == std::string::npos)
        words.erase(last);
    return words + " " + kVersion;
}

std::string TLanguages::SignName(int sign) const
{
    return sign >= 1 && sign <= 12 ? Caption(sign) : std::string();
}

std::string TLanguages::AspectName(int aspect) const
{
    if (aspect == 22 || aspect == 23) return Caption(aspect == 22 ? caption::kParallel : caption::kContraparallel);
    return aspect >= 1 && aspect <= 21 ? Caption(aspect + kCaptionAspectOffset) : std::string();
}

std::string TLanguages::FileName(int body, const char* section, std::string fallback)
{
    const std::string key = std::to_string(body);
    const std::string name = languageFile.ReadString(section, key, "");
    return name.empty() ? fallback : name;
}

std::string TLanguages::PlanetName(int body)
{
    if (bodyNames.empty())
        for (const std::string& key : languageFile.Keys(kPlanetName)) {
            int n = 0;
            if (ParseNumber(key, n)) bodyNames[n] = languageFile.ReadString(kPlanetName, key, "");
        }
    // The misspelling earlier versions installed, not a name a user chose.
    if (const auto pf = bodyNames.find(49); pf != bodyNames.end() && pf->second == "Part of Fontune")
        pf->second = "Part of Fortune";
    const auto it = bodyNames.find(body);
    if (it != bodyNames.end() && !it->second.empty()) return it->second;
    std::string name = FileName(body, kPlanetName, DefaultPlanetName(body));
    if (!name.empty()) bodyNames[body] = name;
    return name;
}

std::string TLanguages::PlanetShortName(int body)
{
    return FileName(body, kPlanetShortName, DefaultPlanetShortName(body));
}

bool TLanguages::SetPlanetName(int body, const std::string& text)
{
    languageFile.WriteString(kPlanetName, std::to_string(body), text);
    bodyNames[body] = text;
    return languageFile.Flush();
}

bool TLanguages::SetPlanetShortName(int body, const std::string& text)
{
    languageFile.WriteString(kPlanetShortName, std::to_string(body), text);
    return languageFile.Flush();
}

bool TLanguages::SetCaptionTranslation(int n, const std::string& text)
{
    if (n < 0 || n >= kCaptionCount) return false;
    languageFile.WriteString(kCaptions, std::to_string(n), text);
    captions[static_cast<std::size_t>(n)] = text.empty() ? std::string(DefaultCaption(n)) : text;
    return languageFile.Flush();
}

std::vector<std::pair<int, std::string>> TLanguages::LanguageList() const
{
    std::vector<std::pair<int, std::string>> list;
    for (const std::string& key : settings.Keys("LanguageNames")) {
        int n = 0;
        if (ParseNumber(key, n)) list.emplace_back(n, settings.ReadString("LanguageNames", key, ""));
    }
    if (list.empty()) list = {{1, "English"}, {33, "Fran\u00E7ais"}, {49, "Deutsch"}, {31, "Nederlands"}};
    return list;
}

std::vector<std::string> TLanguages::LanguageNames() const
{
    std::vector<std::string> lines;
    for (const auto& [n, name] : LanguageList()) lines.push_back(std::to_string(n) + "=" + name);
    return lines;
}

std::string TLanguages::LanguageName(int n) const
{
    for (const auto& [k, name] : LanguageList())
        if (k == n) return name;
    return {};
}

void TLanguages::SetLanguage(int n)
{
    ReadLanguage(n);
    settings.WriteInteger("Language", "Current", n);
    settings.Flush();
}

void TLanguages::UseLanguageForRun(int n) { ReadLanguage(n); }

void TLanguages::ReadLanguage(int n)
{
    if (n == CurrentLanguage) return;
    captions.assign(kCaptionCount, std::string());
    bodyNames.clear();
    CurrentLanguage = n;
    // The language file lies in the home: a name that would lead out of it
    // is refused, and the captions are the defaults.
    const std::string file = FirstCharacters(LanguageName(n), 8) + ".txt";
    std::string path, bytes;
    if (builtIn) path.clear();
    else if (IsBareFileName(file)) path = JoinPath(home, file);
    else problems.push_back(RefusedFileName("language file", file, "no language file"));
    languageFile.Assign(path, !path.empty() && ReadWholeFile(path, bytes) ? ToUtf8(bytes) : std::string());
    // A file cut short or holding binary junk is left as it is (a later
    // translation would write the junk back re-encoded): built-in words.
    if (!languageFile.Whole()) {
        problems.push_back("the language file " + path +
                           " cannot be read (it is damaged); the built-in words are in use and the file is kept as it is");
        languageFile.Assign("", "");
    }
    if (n != 1) {
        for (const std::string& key : languageFile.Keys(kCaptions)) {
            int k = 0;
            if (ParseNumber(key, k) && k >= 0 && k < kCaptionCount)
                captions[static_cast<std::size_t>(k)] = languageFile.ReadString(kCaptions, key, "");
        }
        // Files of earlier versions name house systems 6 and 7 the other
        // way round ("Morinus" for the quadrant trisection); read as meant.
        std::string& six = captions[caption::kHouseSystems + 6];
        std::string& seven = captions[caption::kHouseSystems + 7];
        if (six == "Morinus" && seven.rfind("Porphyr", 0) == 0) std::swap(six, seven);
    }
    for (int k = 0; k < kCaptionCount; ++k)
        if (captions[static_cast<std::size_t>(k)].empty())
            captions[static_cast<std::size_t>(k)] = std::string(DefaultCaption(k));
}

void TLanguages::SetDateFormat(int f)
{
    DateFormat = f;
    DateFormatString = f == 0 ? "mm/dd/yyyy" : "dd/mm/yyyy";
}

void TLanguages::SetTimeFormat(int f)
{
    TimeFormat = f;
    TimeFormatString = f == 0 ? "hh:nn am/pm" : "hh:nn";
}

void TLanguages::LoadSettings()
{
    int language = settings.ReadInteger("Language", "Current", -1);
    Country = settings.ReadInteger("Parameters", "Country", -1);
    State = settings.ReadInteger("Parameters", "State", 0);
    MeasureUnit = settings.ReadInteger("Parameters", "MeasureUnit", -1);
    SetTimeFormat(settings.ReadInteger("Parameters", "TimeFormat", -1));
    SetDateFormat(settings.ReadInteger("Parameters", "DateFormat", -1));
    // The locale's language serves a home that has no choice yet; only a
    // choice (SetLanguage, SaveSettings) is ever written.
    ReadLanguage(language < 1 ? LanguageFromLetters(LocaleLanguageLetters()) : language);
    const tLocaleConventions regional = LocaleConventions();
    if (Country < 0) Country = regional.Country;
    if (MeasureUnit < 0) MeasureUnit = regional.MeasureUnit;
    if (TimeFormat < 0) SetTimeFormat(regional.TimeFormat);
    if (DateFormat < 0) SetDateFormat(regional.DateFormat);
}

bool TLanguages::SaveSettings(std::string* error)
{
    settings.WriteInteger("Language", "Current", CurrentLanguage);
    settings.WriteInteger("Parameters", "MeasureUnit", MeasureUnit);
    settings.WriteInteger("Parameters", "TimeFormat", TimeFormat);
    settings.WriteInteger("Parameters", "DateFormat", DateFormat);
    settings.WriteInteger("Parameters", "Country", Country);
    settings.WriteInteger("Parameters", "State", State);
    return settings.Flush(error);
}

std::vector<std::string> TLanguages::ChartKindNames() const
{
    std::vector<std::string> names;
    for (int n : {90, 75, 76, 78, 83, 80, 84, 81}) names.push_back(Caption(n));
    return names;
}

std::vector<std::string> TLanguages::NavigatorHints() const
{
    std::vector<std::string> hints;
    for (int n : {235, 236, 237, 238, 218, 230, 133, 41, 223, 239}) hints.push_back(Caption(n));
    return hints;
}

}  // namespace quintara
