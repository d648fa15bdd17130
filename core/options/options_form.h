// What the options dialog edits: one option set (birth, first or second
// chart), the orb tables and the settings common to all charts, as a copy.
// OK stores it; Cancel drops it, so nothing typed meanwhile stays.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/options/main_options.h"

namespace quintara {

struct tOptionsForm {
    int setNumber = 1;  // 1 birth chart, 2 first chart, 3 second chart
    OptionSet set;
    tOrbTable natalOrbs, synastryOrbs;
    std::array<bool, 36> transitAspects{};  // [a-1] = aspect a; 1..12 shown

    bool allAspects = false;  // "AspectTypes" 15, else 3
    int zodiac = 0;           // 0 tropical, 1 sidereal
    int ayanamsa = -1;        // TMainOptions::Ayanamsa: -1 classic, 0..46, 255 the user's
    double ayanamsaEpoch = 2451545.0, ayanamsaValue = 23.85;  // the user's: Julian day (UT), degrees
    int ephemeris = 0;        // 0 built-in, 1 precise (new charts and charts computed afresh)
    bool meanNode = false, fortuneBySect = false;
    bool parallels = false;
    double parallelOrb = 1.0;  // degrees of declination
    int houseType = 0;        // tHouseSystem
    int houseOrb = 0;         // whole degrees
    bool houseCentered = false;
    int transitOrb = 4;  // divider, at least 1
    int printLineFactor = 0;
    std::string birthplace;
    double latitude = 0, longitude = 0;  // degrees of the default locality

    bool operator==(const tOptionsForm&) const = default;
};

// The settings as the dialog opens on set n (1, 2 or 3).
tOptionsForm ReadOptionsForm(const TMainOptions& options, int setNumber);

// Into the settings, then "Astro.ini" and the option file. A "HouseCentered"
// form stores house orb 0; a transit divider below 1 stores 1. False with
// error when the settings file could not be written (the settings in
// memory are those of the form all the same).
bool StoreOptionsForm(const tOptionsForm& form, TMainOptions& options, std::string* error = nullptr);

// The typed fields, whole numbers: nothing with error saying what is
// accepted when the text is no number or out of range.
std::optional<int> ReadOrbField(const std::string& text, std::string& error);          // 0..kMaxOrb
std::optional<int> ReadLineWidthField(const std::string& text, std::string& error);    // 0..kMaxLineWidth
std::optional<int> ReadHouseOrbField(const std::string& text, std::string& error);     // 0..30
std::optional<int> ReadTransitOrbField(const std::string& text, std::string& error);   // 0..100
std::optional<double> ReadParallelOrbField(const std::string& text, std::string& error);  // 0.1..3 degrees

}  // namespace quintara
