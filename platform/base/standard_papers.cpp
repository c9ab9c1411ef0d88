// The built-in forms table. Sizes are the forms' micrometre sizes rounded to
// the nearest tenth of a millimetre, halves up (Envelope #12, 120.65 mm
// wide, is 1207).
#include "platform/base/standard_papers.h"

#include <algorithm>
#include <iterator>

namespace kx {
namespace {

constexpr StandardPaper kPapers[] = {
    {1, u"Letter", 2159, 2794},                          // DMPAPER_LETTER
    {2, u"Letter Small", 2159, 2794},                    // DMPAPER_LETTERSMALL
    {3, u"Tabloid", 2794, 4318},                         // DMPAPER_TABLOID
    {4, u"Ledger", 4318, 2794},                          // DMPAPER_LEDGER
    {5, u"Legal", 2159, 3556},                           // DMPAPER_LEGAL
    {6, u"Statement", 1397, 2159},                       // DMPAPER_STATEMENT
    {7, u"Executive", 1842, 2667},                       // DMPAPER_EXECUTIVE
    {8, u"A3", 2970, 4200},                              // DMPAPER_A3
    {9, u"A4", 2100, 2970},                              // DMPAPER_A4
    {10, u"A4 Small", 2100, 2970},                       // DMPAPER_A4SMALL
    {11, u"A5", 1480, 2100},                             // DMPAPER_A5
    {12, u"B4 (JIS)", 2570, 3640},                       // DMPAPER_B4
    {13, u"B5 (JIS)", 1820, 2570},                       // DMPAPER_B5
    {14, u"Folio", 2159, 3302},                          // DMPAPER_FOLIO
    {15, u"Quarto", 2150, 2750},                         // DMPAPER_QUARTO
    {16, u"10x14", 2540, 3556},                          // DMPAPER_10X14
    {17, u"11x17", 2794, 4318},                          // DMPAPER_11X17
    {18, u"Note", 2159, 2794},                           // DMPAPER_NOTE
    {19, u"Envelope #9", 984, 2254},                     // DMPAPER_ENV_9
    {20, u"Envelope #10", 1048, 2413},                   // DMPAPER_ENV_10
    {21, u"Envelope #11", 1143, 2635},                   // DMPAPER_ENV_11
    {22, u"Envelope #12", 1207, 2794},                   // DMPAPER_ENV_12
    {23, u"Envelope #14", 1270, 2921},                   // DMPAPER_ENV_14
    {24, u"C size sheet", 4318, 5588},                   // DMPAPER_CSHEET
    {25, u"D size sheet", 5588, 8636},                   // DMPAPER_DSHEET
    {26, u"E size sheet", 8636, 11176},                  // DMPAPER_ESHEET
    {27, u"Envelope DL", 1100, 2200},                    // DMPAPER_ENV_DL
    {28, u"Envelope C5", 1620, 2290},                    // DMPAPER_ENV_C5
    {29, u"Envelope C3", 3240, 4580},                    // DMPAPER_ENV_C3
    {30, u"Envelope C4", 2290, 3240},                    // DMPAPER_ENV_C4
    {31, u"Envelope C6", 1140, 1620},                    // DMPAPER_ENV_C6
    {32, u"Envelope C65", 1140, 2290},                   // DMPAPER_ENV_C65
    {33, u"Envelope B4", 2500, 3530},                    // DMPAPER_ENV_B4
    {34, u"Envelope B5", 1760, 2500},                    // DMPAPER_ENV_B5
    {35, u"Envelope B6", 1760, 1250},                    // DMPAPER_ENV_B6
    {36, u"Envelope", 1100, 2300},                       // DMPAPER_ENV_ITALY
    {37, u"Envelope Monarch", 984, 1905},                // DMPAPER_ENV_MONARCH
    {38, u"6 3/4 Envelope", 921, 1651},                  // DMPAPER_ENV_PERSONAL
    {39, u"US Std Fanfold", 3778, 2794},                 // DMPAPER_FANFOLD_US
    {40, u"German Std Fanfold", 2159, 3048},             // DMPAPER_FANFOLD_STD_GERMAN
    {41, u"German Legal Fanfold", 2159, 3302},           // DMPAPER_FANFOLD_LGL_GERMAN
    {42, u"B4 (ISO)", 2500, 3530},                       // DMPAPER_ISO_B4
    {43, u"Japanese Postcard", 1000, 1480},              // DMPAPER_JAPANESE_POSTCARD
    {44, u"9x11", 2286, 2794},                           // DMPAPER_9X11
    {45, u"10x11", 2540, 2794},                          // DMPAPER_10X11
    {46, u"15x11", 3810, 2794},                          // DMPAPER_15X11
    {47, u"Envelope Invite", 2200, 2200},                // DMPAPER_ENV_INVITE
    {50, u"Letter Extra", 2413, 3048},                   // DMPAPER_LETTER_EXTRA
    {51, u"Legal Extra", 2413, 3810},                    // DMPAPER_LEGAL_EXTRA
    {52, u"Tabloid Extra", 3048, 4572},                  // DMPAPER_TABLOID_EXTRA
    {53, u"A4 Extra", 2355, 3223},                       // DMPAPER_A4_EXTRA
    {54, u"Letter Transverse", 2159, 2794},              // DMPAPER_LETTER_TRANSVERSE
    {55, u"A4 Transverse", 2100, 2970},                  // DMPAPER_A4_TRANSVERSE
    {56, u"Letter Extra Transverse", 2413, 3048},        // DMPAPER_LETTER_EXTRA_TRANSVERSE
    {57, u"Super A", 2270, 3560},                        // DMPAPER_A_PLUS
    {58, u"Super B", 3050, 4870},                        // DMPAPER_B_PLUS
    {59, u"Letter Plus", 2159, 3223},                    // DMPAPER_LETTER_PLUS
    {60, u"A4 Plus", 2100, 3300},                        // DMPAPER_A4_PLUS
    {61, u"A5 Transverse", 1480, 2100},                  // DMPAPER_A5_TRANSVERSE
    {62, u"B5 (JIS) Transverse", 1820, 2570},            // DMPAPER_B5_TRANSVERSE
    {63, u"A3 Extra", 3220, 4450},                       // DMPAPER_A3_EXTRA
    {64, u"A5 Extra", 1740, 2350},                       // DMPAPER_A5_EXTRA
    {65, u"B5 (ISO) Extra", 2010, 2760},                 // DMPAPER_B5_EXTRA
    {66, u"A2", 4200, 5940},                             // DMPAPER_A2
    {67, u"A3 Transverse", 2970, 4200},                  // DMPAPER_A3_TRANSVERSE
    {68, u"A3 Extra Transverse", 3220, 4450},            // DMPAPER_A3_EXTRA_TRANSVERSE
    {69, u"Japanese Double Postcard", 2000, 1480},       // DMPAPER_DBL_JAPANESE_POSTCARD
    {70, u"A6", 1050, 1480},                             // DMPAPER_A6
    {71, u"Japanese Envelope Kaku #2", 2400, 3320},      // DMPAPER_JENV_KAKU2
    {72, u"Japanese Envelope Kaku #3", 2160, 2770},      // DMPAPER_JENV_KAKU3
    {73, u"Japanese Envelope Chou #3", 1200, 2350},      // DMPAPER_JENV_CHOU3
    {74, u"Japanese Envelope Chou #4", 900, 2050},       // DMPAPER_JENV_CHOU4
    {75, u"Letter Rotated", 2794, 2159},                 // DMPAPER_LETTER_ROTATED
    {76, u"A3 Rotated", 4200, 2970},                     // DMPAPER_A3_ROTATED
    {77, u"A4 Rotated", 2970, 2100},                     // DMPAPER_A4_ROTATED
    {78, u"A5 Rotated", 2100, 1480},                     // DMPAPER_A5_ROTATED
    {79, u"B4 (JIS) Rotated", 3640, 2570},               // DMPAPER_B4_JIS_ROTATED
    {80, u"B5 (JIS) Rotated", 2570, 1820},               // DMPAPER_B5_JIS_ROTATED
    {81, u"Japanese Postcard Rotated", 1480, 1000},      // DMPAPER_JAPANESE_POSTCARD_ROTATED
    {82, u"Double Japan Postcard Rotated", 1480, 2000},  // DMPAPER_DBL_JAPANESE_POSTCARD_ROTATED
    {83, u"A6 Rotated", 1480, 1050},                     // DMPAPER_A6_ROTATED
    {84, u"Japan Envelope Kaku #2 Rotated", 3320, 2400}, // DMPAPER_JENV_KAKU2_ROTATED
    {85, u"Japan Envelope Kaku #3 Rotated", 2770, 2160}, // DMPAPER_JENV_KAKU3_ROTATED
    {86, u"Japan Envelope Chou #3 Rotated", 2350, 1200}, // DMPAPER_JENV_CHOU3_ROTATED
    {87, u"Japan Envelope Chou #4 Rotated", 2050, 900},  // DMPAPER_JENV_CHOU4_ROTATED
    {88, u"B6 (JIS)", 1280, 1820},                       // DMPAPER_B6_JIS
    {89, u"B6 (JIS) Rotated", 1820, 1280},               // DMPAPER_B6_JIS_ROTATED
    {90, u"12x11", 3049, 2795},                          // DMPAPER_12X11
    {91, u"Japan Envelope You #4", 1050, 2350},          // DMPAPER_JENV_YOU4
    {92, u"Japan Envelope You #4 Rotated", 2350, 1050},  // DMPAPER_JENV_YOU4_ROTATED
    {93, u"PRC 16K", 1880, 2600},                        // DMPAPER_P16K
    {94, u"PRC 32K", 1300, 1840},                        // DMPAPER_P32K
    {95, u"PRC 32K(Big)", 1400, 2030},                   // DMPAPER_P32KBIG
    {96, u"PRC Envelope #1", 1020, 1650},                // DMPAPER_PENV_1
    {97, u"PRC Envelope #2", 1020, 1760},                // DMPAPER_PENV_2
    {98, u"PRC Envelope #3", 1250, 1760},                // DMPAPER_PENV_3
    {99, u"PRC Envelope #4", 1100, 2080},                // DMPAPER_PENV_4
    {100, u"PRC Envelope #5", 1100, 2200},               // DMPAPER_PENV_5
    {101, u"PRC Envelope #6", 1200, 2300},               // DMPAPER_PENV_6
    {102, u"PRC Envelope #7", 1600, 2300},               // DMPAPER_PENV_7
    {103, u"PRC Envelope #8", 1200, 3090},               // DMPAPER_PENV_8
    {104, u"PRC Envelope #9", 2290, 3240},               // DMPAPER_PENV_9
    {105, u"PRC Envelope #10", 3240, 4580},              // DMPAPER_PENV_10
    {106, u"PRC 16K Rotated", 2600, 1880},               // DMPAPER_P16K_ROTATED
    {107, u"PRC 32K Rotated", 1840, 1300},               // DMPAPER_P32K_ROTATED
    {108, u"PRC 32K(Big) Rotated", 2030, 1400},          // DMPAPER_P32KBIG_ROTATED
    {109, u"PRC Envelope #1 Rotated", 1650, 1020},       // DMPAPER_PENV_1_ROTATED
    {110, u"PRC Envelope #2 Rotated", 1760, 1020},       // DMPAPER_PENV_2_ROTATED
    {111, u"PRC Envelope #3 Rotated", 1760, 1250},       // DMPAPER_PENV_3_ROTATED
    {112, u"PRC Envelope #4 Rotated", 2080, 1100},       // DMPAPER_PENV_4_ROTATED
    {113, u"PRC Envelope #5 Rotated", 2200, 1100},       // DMPAPER_PENV_5_ROTATED
    {114, u"PRC Envelope #6 Rotated", 2300, 1200},       // DMPAPER_PENV_6_ROTATED
    {115, u"PRC Envelope #7 Rotated", 2300, 1600},       // DMPAPER_PENV_7_ROTATED
    {116, u"PRC Envelope #8 Rotated", 3090, 1200},       // DMPAPER_PENV_8_ROTATED
    {117, u"PRC Envelope #9 Rotated", 3240, 2290},       // DMPAPER_PENV_9_ROTATED
    {118, u"PRC Envelope #10 Rotated", 4580, 3240},      // DMPAPER_PENV_10_ROTATED
};

static_assert(std::is_sorted(std::begin(kPapers), std::end(kPapers),
                             [](const StandardPaper& a, const StandardPaper& b) {
                                 return a.id < b.id;
                             }),
              "the look-up halves the table");

} // namespace

const StandardPaper* FindStandardPaper(int32_t id) {
    const auto* it = std::lower_bound(
        std::begin(kPapers), std::end(kPapers), id,
        [](const StandardPaper& paper, int32_t wanted) { return paper.id < wanted; });
    return (it != std::end(kPapers) && it->id == id) ? it : nullptr;
}

} // namespace kx
