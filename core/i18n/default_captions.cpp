#include "core/i18n/default_captions.h"

#include "core/engine/zodiac.h"
#include "core/i18n/caption_ids.h"

#include <array>

namespace quintara {
namespace {

constexpr std::array<std::string_view, kCaptionCount> kDefaults = {
    "in",                                                                           // 0
    "Aries",                                                                        // 1
    "Taurus",                                                                       // 2
    "Gemini",                                                                       // 3
    "Cancer",                                                                       // 4
    "Leo",                                                                          // 5
    "Virgo",                                                                        // 6
    "Libra",                                                                        // 7
    "Scorpio",                                                                      // 8
    "Sagittarius",                                                                  // 9
    "Capricorn",                                                                    // 10
    "Aquarius",                                                                     // 11
    "Pisces",                                                                       // 12
    "R",                                                                            // 13
    "Retrograd",                                                                    // 14
    "Time unknown",                                                                 // 15
    "Placidus",                                                                     // 16
    "Campanus",                                                                     // 17
    "Montroyal",                                                                    // 18
    "Equal",                                                                        // 19
    "Koch",                                                                         // 20
    "Meridian",                                                                     // 21
    "Porphyry",                                                                     // 22
    "Morinus",                                                                      // 23
    "Topocentric",                                                                  // 24
    "House system",                                                                 // 25
    "Signs",                                                                        // 26
    "masculine",                                                                    // 27
    "feminine",                                                                     // 28
    "cardinals",                                                                    // 29
    "fixed",                                                                        // 30
    "mutable",                                                                      // 31
    "of fire",                                                                      // 32
    "of earth",                                                                     // 33
    "of air",                                                                       // 34
    "of water",                                                                     // 35
    "M",                                                                            // 36
    "F",                                                                            // 37
    "Save chart data?",                                                             // 38
    "Save modified text?",                                                          // 39
    "Birth chart of",                                                               // 40
    "Confirm",                                                                      // 41
    "Delete displayed records?",                                                    // 42
    "Delete record?",                                                               // 43
    "Delete all records?",                                                          // 44
    "Help",                                                                         // 45
    "Cut",                                                                          // 46
    "Copy",                                                                         // 47
    "Paste",                                                                        // 48
    "Cut selected text to clipboard",                                               // 49
    "Copy selected text to clipboard",                                              // 50
    "Sex",                                                                          // 51
    "Julian day",                                                                   // 52
    "Adjust",                                                                       // 53
    "Lat",                                                                          // 54
    "Long",                                                                         // 55
    "Time",                                                                         // 56
    "ST",                                                                           // 57
    "Zoom in",                                                                      // 58
    "Zoom out",                                                                     // 59
    "Zodiac in degrees",                                                            // 60
    "Ari",                                                                          // 61
    "Tau",                                                                          // 62
    "Gem",                                                                          // 63
    "Can",                                                                          // 64
    "Leo",                                                                          // 65
    "Vir",                                                                          // 66
    "Lib",                                                                          // 67
    "Sco",                                                                          // 68
    "Sag",                                                                          // 69
    "Cap",                                                                          // 70
    "Aqu",                                                                          // 71
    "Pis",                                                                          // 72
    "Analysis",                                                                     // 73
    "Aspects",                                                                      // 74
    "Transits",                                                                     // 75
    "Compare to day",                                                               // 76
    "Previsions",                                                                   // 77
    "Synastry",                                                                     // 78
    "Compare to file",                                                              // 79
    "Progression",                                                                  // 80
    "Compare progression",                                                          // 81
    "Moon return",                                                                  // 82
    "Sun return",                                                                   // 83
    "Compare return",                                                               // 84
    "Mid-points",                                                                   // 85
    "Aspects of",                                                                   // 86
    "Total of positive aspects",                                                    // 87
    "Total of negative aspects",                                                    // 88
    "Global total",                                                                 // 89
    "Birth chart",                                                                  // 90
    "Major",                                                                        // 91
    "All",                                                                          // 92
    "First chart",                                                                  // 93
    "Second chart",                                                                 // 94
    "Orb",                                                                          // 95
    "Compare sun return",                                                           // 96
    "Compare progression",                                                          // 97
    "Clock",                                                                        // 98
    "Line graph",                                                                   // 99
    "Moon cycle",                                                                   // 100
    "Transit line graph",                                                           // 101
    "Side by side",                                                                 // 102
    "Zodiac",                                                                       // 103
    "Tropical",                                                                     // 104
    "Sideral",                                                                      // 105
    "Letters",                                                                      // 106
    "Symbols",                                                                      // 107
    "Transit orb divider",                                                          // 108
    "Display",                                                                      // 109
    "Centered",                                                                     // 110
    "Background",                                                                   // 111
    "Text",                                                                         // 112
    "Base",                                                                         // 113
    "Houses",                                                                       // 114
    "Change",                                                                       // 115
    "Show planets",                                                                 // 116
    "Show aspects",                                                                 // 117
    "Start graphic",                                                                // 118
    "Show degrees",                                                                 // 119
    "File",                                                                         // 120
    "Display",                                                                      // 121
    "Graphics",                                                                     // 122
    "Database",                                                                     // 123
    "Utilities",                                                                    // 124
    "Window",                                                                       // 125
    "Without",                                                                      // 126
    "With",                                                                         // 127
    "Default locality",                                                             // 128
    "Arabic parts",                                                                 // 129
    "Fixed stars",                                                                  // 130
    "Other",                                                                        // 131
    "Insert from clipboard",                                                        // 132
    "Edit",                                                                         // 133
    "Pause",                                                                        // 134
    "Slower",                                                                       // 135
    "Faster",                                                                       // 136
    "Reverse",                                                                      // 137
    "Show chart",                                                                   // 138
    "Other chart",                                                                  // 139
    "Left/right|To show/hide, click left for main chart, right for other ",         // 140
    "Conjunction",                                                                  // 141
    "Sextile",                                                                      // 142
    "Square",                                                                       // 143
    "Trine",                                                                        // 144
    "Opposition",                                                                   // 145
    "Semi-sextile",                                                                 // 146
    "Semi-square",                                                                  // 147
    "Quintile",                                                                     // 148
    "Sesquiquadrate",                                                               // 149
    "Inconjunct",                                                                   // 150
    "Biquintile",                                                                   // 151
    "Septile",                                                                      // 152
    "Biseptile",                                                                    // 153
    "Triseptile",                                                                   // 154
    "Novile",                                                                       // 155
    "Binovile",                                                                     // 156
    "Quatrinovile",                                                                 // 157
    "Tredecile",                                                                    // 158
    "Decile",                                                                       // 159
    "Semi-Octile",                                                                  // 160
    "Vigintile",                                                                    // 161
    "New",                                                                          // 162
    "Open",                                                                         // 163
    "Save",                                                                         // 164
    "Modify",                                                                       // 165
    "Close",                                                                        // 166
    "Select chart file",                                                            // 167
    "Analysis files",                                                               // 168
    "Export to file",                                                               // 169
    "Page setup",                                                                   // 170
    "Print",                                                                        // 171
    "Printer setup",                                                                // 172
    "Quit",                                                                         // 173
    "Chart and aspects",                                                            // 174
    "Graphic",                                                                      // 175
    "Tool bar",                                                                     // 176
    "Status bar",                                                                   // 177
    "Aspect wheel",                                                                 // 178
    "Daisy wheel",                                                                  // 179
    "Aspect side by side",                                                          // 180
    "Wheel side by side",                                                           // 181
    "Edit chart file",                                                              // 182
    "Convert chart file",                                                           // 183
    "Localities",                                                                   // 184
    "Countries",                                                                    // 185
    "States",                                                                       // 186
    "Time files",                                                                   // 187
    "Planets and stars",                                                            // 188
    "Preferences",                                                                  // 189
    "Chart setup",                                                                  // 190
    "National and language",                                                        // 191
    "Font",                                                                         // 192
    "Open options",                                                                 // 193
    "Save options",                                                                 // 194
    "Save options as",                                                              // 195
    "Save as default",                                                              // 196
    "Restore default",                                                              // 197
    "Reset options",                                                                // 198
    "Tile",                                                                         // 199
    "Cascade",                                                                      // 200
    "Arrange all",                                                                  // 201
    "Minimize",                                                                     // 202
    "Close all",                                                                    // 203
    "Quintara",                                                                     // 204
    "Copy all",                                                                     // 205
    "Info",                                                                         // 206
    "Zoom",                                                                         // 207
    "Find",                                                                         // 208
    "Replace",                                                                      // 209
    "Select all",                                                                   // 210
    "Format",                                                                       // 211
    "Bold",                                                                         // 212
    "Underline",                                                                    // 213
    "Italic",                                                                       // 214
    "New",                                                                          // 215
    "Chart",                                                                        // 216
    "Chart 2",                                                                      // 217
    "Add",                                                                          // 218
    "List",                                                                         // 219
    "Left/right|To show/hide major aspects, left for main chart, right for other",  // 220
    "Left/right|To show/hide minor aspects, left for main chart, right for other",  // 221
    "Ok",                                                                           // 222
    "Cancel",                                                                       // 223
    "Filters",                                                                      // 224
    "By field",                                                                     // 225
    "By planet",                                                                    // 226
    "By aspect",                                                                    // 227
    "Remove all",                                                                   // 228
    "Rename",                                                                       // 229
    "Delete",                                                                       // 230
    "Zap",                                                                          // 231
    "ASCII",                                                                        // 232
    "dBase",                                                                        // 233
    "Paradox",                                                                      // 234
    "First",                                                                        // 235
    "Previous",                                                                     // 236
    "Next",                                                                         // 237
    "Last",                                                                         // 238
    "Refresh",                                                                      // 239
    "All countries",                                                                // 240
    "Country",                                                                      // 241
    "Locality",                                                                     // 242
    "Long/time",                                                                    // 243
    "N",                                                                            // 244
    "S",                                                                            // 245
    "W",                                                                            // 246
    "E",                                                                            // 247
    "Population",                                                                   // 248
    "State",                                                                        // 249
    "Merge",                                                                        // 250
    "City, date and time",                                                          // 251
    "Step in hours",                                                                // 252
    "Step in days",                                                                 // 253
    "Visible",                                                                      // 254
    "Date format",                                                                  // 255
    "Time format",                                                                  // 256
    "Measure units",                                                                // 257
    "Centimeters",                                                                  // 258
    "Inches",                                                                       // 259
    "New chart",                                                                    // 260
    "Name",                                                                         // 261
    "Firstname",                                                                    // 262
    "Comment",                                                                      // 263
    "Reference",                                                                    // 264
    "Date",                                                                         // 265
    "Time",                                                                         // 266
    "Zone",                                                                         // 267
    "Look up locality",                                                             // 268
    "Time zone not sure",                                                           // 269
    "Index",                                                                        // 270
    "Header",                                                                       // 271
    "Footer",                                                                       // 272
    "Margins",                                                                      // 273
    "Left",                                                                         // 274
    "Right",                                                                        // 275
    "Top",                                                                          // 276
    "Bottom",                                                                       // 277
    "Steps (dd.hh)",                                                                // 278
    "Number of steps",                                                              // 279
    "Age",                                                                          // 280
    "All planets",                                                                  // 281
    "Period in months",                                                             // 282
    "Parts and other stars",                                                        // 283
    "Colors",                                                                       // 284
    "Line width",                                                                   // 285
    "Show planets/aspects",                                                         // 286
    "Chakra",                                                                       // 287
    "",                                                                             // 288
    "",                                                                             // 289
    "",                                                                             // 290
    "",                                                                             // 291
    "",                                                                             // 292
    "",                                                                             // 293
    "",                                                                             // 294
    "",                                                                             // 295
    "",                                                                             // 296
    "Transit",                                                                      // 297
    "Aspect",                                                                       // 298
    "Radix",                                                                        // 299
    "Angle/orb/retro/value",                                                        // 300
    "Planet",                                                                       // 301
    "Orb/Value",                                                                    // 302
    "Pos.",                                                                         // 303
    "Neg.",                                                                         // 304
    "Total",                                                                        // 305
    "Undo",                                                                         // 306
    "Man",                                                                          // 307
    "Woman",                                                                        // 308
    "Both",                                                                         // 309
    "Minimum age",                                                                  // 310
    "Maximum age",                                                                  // 311
    "Positive points",                                                              // 312
    "Negative points",                                                              // 313
    "Total points",                                                                 // 314
    "Code",                                                                         // 315
    "Language",                                                                     // 316
    "Number",                                                                       // 317
    "Type",                                                                         // 318
    "Magnitude",                                                                    // 319
    "Short name",                                                                   // 320
    "Chart file editor",                                                            // 321
    "ReCalc",                                                                       // 322
    "Chart type",                                                                   // 323
    "Filter",                                                                       // 324
    "Table",                                                                        // 325
    "Hour",                                                                         // 326
    "Ask",                                                                          // 327
    "Value",                                                                        // 328
    "Records",                                                                      // 329
    "Aspect grid",                                                                  // 330
    "Import",                                                                       // 331
    "Exchange file (AAF)",                                                          // 332
    "Spreadsheet (CSV)",                                                            // 333
    "JSON Lines",                                                                   // 334
    "Sky events",                                                                   // 335
    "enters",                                                                       // 336
    "turns retrograde",                                                             // 337
    "turns direct",                                                                 // 338
    "New moon",                                                                     // 339
    "First quarter",                                                                // 340
    "Full moon",                                                                    // 341
    "Last quarter",                                                                 // 342
    "Calendar (iCalendar)",                                                         // 343
    "Months",                                                                       // 344
    "Ephemeris",                                                                    // 345
    "Built-in",                                                                     // 346
    "Precise (data files)",                                                         // 347
    "Times in universal time (GMT)",                                                // 348
    "looked up",                                                                    // 349
    "Sunday",                                                                       // 350
    "Monday",                                                                       // 351
    "Tuesday",                                                                      // 352
    "Wednesday",                                                                    // 353
    "Thursday",                                                                     // 354
    "Friday",                                                                       // 355
    "Saturday",                                                                     // 356
    "January",                                                                      // 357
    "February",                                                                     // 358
    "March",                                                                        // 359
    "April",                                                                        // 360
    "May",                                                                          // 361
    "June",                                                                         // 362
    "July",                                                                         // 363
    "August",                                                                       // 364
    "September",                                                                    // 365
    "October",                                                                      // 366
    "November",                                                                     // 367
    "December",                                                                     // 368
    "Recast with the current settings",                                             // 369
    "Recent charts",                                                                // 370
    "Whole Sign",                                                                   // 371
    "Equal (MC)",                                                                   // 372
    "Equal (0° Aries)",                                                             // 373
    "Alcabitius",                                                                   // 374
    "Krusinski",                                                                    // 375
    "Vehlow",                                                                       // 376
    "Sripati",                                                                      // 377
    "Carter",                                                                       // 378
    "Horizon",                                                                      // 379
    "APC",                                                                          // 380
    "Pullen SD",                                                                    // 381
    "Pullen SR",                                                                    // 382
    "Sunshine",                                                                     // 383
    "Savard-A",                                                                     // 384
    "I",                                                                            // 385
    "X",                                                                            // 386
    "Ayanamsa",                                                                     // 387
    "Reference date",                                                               // 388
    "Ayanamsa at that date",                                                        // 389
    // 390..438: the ayanamsas' names, from the engine's table (AyanamsaName)
};

// From 439 on, after the ayanamsas' names.
constexpr std::string_view kAfterAyanamsas[] = {
    "Node",                        // 439
    "True node",                   // 440
    "Mean node",                   // 441
    "Part of Fortune",             // 442
    "Same by day and night",       // 443
    "Reversed by night",           // 444
    "Declination",                 // 445
    "Out of bounds",               // 446
    "Parallel",                    // 447
    "Contraparallel",              // 448
    "Bodies and points",           // 449
    "Lots",                        // 450
    "Magnitude up to",             // 451
    "Composite",                   // 452
    "Davison chart",               // 453
    "Relocated chart",             // 454
    "Solar arc directions",        // 455
    "Arc",                         // 456
    "Profections",                 // 457
    "Firdaria",                    // 458
    "Lord",                        // 459
    "Year",                        // 460
    "Month",                       // 461
    "House",                       // 462
    "until",                       // 463
    "Planetary hours",             // 464
    "Sunrise",                     // 465
    "Sunset",                      // 466
    "Solar eclipse",              // 467
    "Lunar eclipse",              // 468
    "total",                      // 469
    "annular",                    // 470
    "hybrid",                     // 471
    "partial",                    // 472
    "penumbral",                  // 473
    "void of course",             // 474
    "pre-shadow",                 // 475
    "post-shadow",                // 476
    "Progressed",                 // 477
    "on natal",                   // 478
    "Time lords",                 // 479
};
static_assert(std::size(kAfterAyanamsas) == kCaptionCount - caption::kAfterAyanamsas);

}  // namespace

std::string_view DefaultCaption(int n)
{
    if (n < 0 || n >= kCaptionCount) return {};
    if (n >= caption::kAfterAyanamsas) return kAfterAyanamsas[static_cast<std::size_t>(n - caption::kAfterAyanamsas)];
    if (n >= caption::kAyanamsaNames) return AyanamsaEnglishName(caption::AyanamsaCodeAt(n - caption::kAyanamsaNames));
    return kDefaults[static_cast<std::size_t>(n)];
}

}  // namespace quintara
