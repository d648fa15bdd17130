// The localisation object: vocabulary and body names in the current
// language, language files, and the national settings. Platform-free; the
// "National options" dialog is a window over this object.
//
// Language numbers are telephone country codes: 1 English, 33 French, 49
// German. A language file is "<first 8 characters of its name>.txt" in the
// program home, sections "Captions", "PlanetName", "PlanetShortName"; it
// may be UTF-8 or Windows-1252 and is written back as UTF-8.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/profile_file.h"

namespace quintara {

class TLanguages {
public:
    // settings: the program's "Astro.ini", shared with the options object so
    // that neither overwrites the other's keys. Runs LoadSettings.
    TLanguages(std::string home, tProfileFile& settings);
    // The built-in English words, no file read or written: the names of
    // machine output (JSON, CSV), stable whatever the user's language.
    static TLanguages& BuiltInEnglish();
    TLanguages(const TLanguages&) = delete;
    TLanguages& operator=(const TLanguages&) = delete;

    // Empty outside 0..320.
    std::string Caption(int n) const;
    std::string SignName(int sign) const;        // 1..12
    // Caption 204's words and the build's version ("Quintara 0.1"); a
    // version written in a language file of an earlier version is dropped.
    std::string ProgramTitle() const;
    std::string AspectName(int aspect) const;    // 1..21
    // Current language's name of body n; a name the language file lacks is
    // the built-in one (the file is not written on reading).
    std::string PlanetName(int body);
    std::string PlanetShortName(int body);
    bool SetPlanetName(int body, const std::string& text);
    bool SetPlanetShortName(int body, const std::string& text);
    // Writes translated captions into the current language file.
    bool SetCaptionTranslation(int n, const std::string& text);

    // The user's choice: the language is used and stored in the settings.
    void SetLanguage(int n);
    // A language for this run only (the command line's --language): used,
    // never noted in the settings.
    void UseLanguageForRun(int n);
    void SetDateFormat(int f);
    void SetTimeFormat(int f);
    void LoadSettings();
    bool SaveSettings(std::string* error = nullptr);

    std::vector<std::string> ChartKindNames() const;
    std::vector<std::string> NavigatorHints() const;
    // "number=name" lines.
    std::vector<std::string> LanguageNames() const;
    const std::string& LanguageFilePath() const { return languageFile.Path(); }
    // Language names of the settings that were refused (they are no file
    // name in the home), one message each, for the user to be told once.
    std::vector<std::string> TakeProblems() { return std::exchange(problems, {}); }

    int CurrentLanguage = -1;
    int DateFormat = -1;   // 0 month first, 1 day first
    int TimeFormat = -1;   // 0 am/pm, 1 24-hour
    int MeasureUnit = -1;  // 0 centimetres, 1 inches
    int Country = -1;
    int State = 0;
    // Display formats of dates and times of day for every part.
    std::string DateFormatString = "dd/mm/yyyy";
    std::string TimeFormatString = "hh:nn";

    // The name of language n in the list ("Français"); empty when unlisted.
    std::string LanguageName(int n) const;

private:
    std::vector<std::pair<int, std::string>> LanguageList() const;
    std::string FileName(int body, const char* section, std::string fallback);
    void ReadLanguage(int n);

    struct tBuiltIn {};
    TLanguages(tBuiltIn, tProfileFile& settings);

    std::string home;
    bool builtIn = false;  // no language file: the built-in words
    tProfileFile& settings;
    tProfileFile languageFile;
    std::vector<std::string> problems;
    std::vector<std::string> captions;
    std::map<int, std::string> bodyNames;  // cache of "PlanetName"
};

// Language number for two language letters of the locale ("fr" gives 33).
int LanguageFromLetters(const std::string& letters);

}  // namespace quintara
