// The table of standard paper sizes.
#include "platform/gdi/paper_sizes.h"

#include <array>

namespace kx {
namespace {

// Sizes of the forms list rounded to tenths of a millimetre.
constexpr std::array kPaperSizes{
    PaperSize{1, 2159, 2794},   // DMPAPER_LETTER
    PaperSize{2, 2159, 2794},   // DMPAPER_LETTERSMALL
    PaperSize{3, 2794, 4318},   // DMPAPER_TABLOID
    PaperSize{4, 4318, 2794},   // DMPAPER_LEDGER
    PaperSize{5, 2159, 3556},   // DMPAPER_LEGAL
    PaperSize{6, 1397, 2159},   // DMPAPER_STATEMENT
    PaperSize{7, 1842, 2667},   // DMPAPER_EXECUTIVE
    PaperSize{8, 2970, 4200},   // DMPAPER_A3
    PaperSize{9, 2100, 2970},   // DMPAPER_A4
    PaperSize{10, 2100, 2970},  // DMPAPER_A4SMALL
    PaperSize{11, 1480, 2100},  // DMPAPER_A5
    PaperSize{12, 2570, 3640},  // DMPAPER_B4
    PaperSize{13, 1820, 2570},  // DMPAPER_B5
    PaperSize{14, 2159, 3302},  // DMPAPER_FOLIO
    PaperSize{15, 2150, 2750},  // DMPAPER_QUARTO
    PaperSize{16, 2540, 3556},  // DMPAPER_10X14
    PaperSize{17, 2794, 4318},  // DMPAPER_11X17
    PaperSize{18, 2159, 2794},  // DMPAPER_NOTE
    PaperSize{19, 984, 2254},   // DMPAPER_ENV_9
    PaperSize{20, 1048, 2413},  // DMPAPER_ENV_10
    PaperSize{21, 1143, 2635},  // DMPAPER_ENV_11
    PaperSize{22, 1206, 2794},  // DMPAPER_ENV_12
    PaperSize{23, 1270, 2921},  // DMPAPER_ENV_14
    PaperSize{24, 4318, 5588},  // DMPAPER_CSHEET
    PaperSize{25, 5588, 8636},  // DMPAPER_DSHEET
    PaperSize{26, 8636, 11176}, // DMPAPER_ESHEET
    PaperSize{27, 1100, 2200},  // DMPAPER_ENV_DL
    PaperSize{28, 1620, 2290},  // DMPAPER_ENV_C5
    PaperSize{29, 3240, 4580},  // DMPAPER_ENV_C3
    PaperSize{30, 2290, 3240},  // DMPAPER_ENV_C4
    PaperSize{31, 1140, 1620},  // DMPAPER_ENV_C6
    PaperSize{32, 1140, 2290},  // DMPAPER_ENV_C65
    PaperSize{33, 2500, 3530},  // DMPAPER_ENV_B4
    PaperSize{34, 1760, 2500},  // DMPAPER_ENV_B5
    PaperSize{35, 1760, 1250},  // DMPAPER_ENV_B6
    PaperSize{36, 1100, 2300},  // DMPAPER_ENV_ITALY
    PaperSize{37, 984, 1905},   // DMPAPER_ENV_MONARCH
    PaperSize{38, 921, 1651},   // DMPAPER_ENV_PERSONAL
    PaperSize{39, 3778, 2794},  // DMPAPER_FANFOLD_US
    PaperSize{40, 2159, 3048},  // DMPAPER_FANFOLD_STD_GERMAN
    PaperSize{41, 2159, 3302},  // DMPAPER_FANFOLD_LGL_GERMAN
    PaperSize{42, 2500, 3530},  // DMPAPER_ISO_B4
    PaperSize{43, 1000, 1480},  // DMPAPER_JAPANESE_POSTCARD
    PaperSize{44, 2286, 2794},  // DMPAPER_9X11
    PaperSize{45, 2540, 2794},  // DMPAPER_10X11
    PaperSize{46, 3810, 2794},  // DMPAPER_15X11
    PaperSize{47, 2200, 2200},  // DMPAPER_ENV_INVITE
    PaperSize{50, 2413, 3048},  // DMPAPER_LETTER_EXTRA
    PaperSize{51, 2413, 3810},  // DMPAPER_LEGAL_EXTRA
    PaperSize{52, 3048, 4572},  // DMPAPER_TABLOID_EXTRA
    PaperSize{53, 2355, 3223},  // DMPAPER_A4_EXTRA
    PaperSize{54, 2159, 2794},  // DMPAPER_LETTER_TRANSVERSE
    PaperSize{55, 2100, 2970},  // DMPAPER_A4_TRANSVERSE
    PaperSize{56, 2413, 3048},  // DMPAPER_LETTER_EXTRA_TRANSVERSE
    PaperSize{57, 2270, 3560},  // DMPAPER_A_PLUS
    PaperSize{58, 3050, 4870},  // DMPAPER_B_PLUS
    PaperSize{59, 2159, 3223},  // DMPAPER_LETTER_PLUS
    PaperSize{60, 2100, 3300},  // DMPAPER_A4_PLUS
    PaperSize{61, 1480, 2100},  // DMPAPER_A5_TRANSVERSE
    PaperSize{62, 1820, 2570},  // DMPAPER_B5_TRANSVERSE
    PaperSize{63, 3220, 4450},  // DMPAPER_A3_EXTRA
    PaperSize{64, 1740, 2350},  // DMPAPER_A5_EXTRA
    PaperSize{65, 2010, 2760},  // DMPAPER_B5_EXTRA
    PaperSize{66, 4200, 5940},  // DMPAPER_A2
    PaperSize{67, 2970, 4200},  // DMPAPER_A3_TRANSVERSE
    PaperSize{68, 3220, 4450},  // DMPAPER_A3_EXTRA_TRANSVERSE
    PaperSize{69, 2000, 1480},  // DMPAPER_DBL_JAPANESE_POSTCARD
    PaperSize{70, 1050, 1480},  // DMPAPER_A6
    PaperSize{71, 2400, 3320},  // DMPAPER_JENV_KAKU2
    PaperSize{72, 2160, 2770},  // DMPAPER_JENV_KAKU3
    PaperSize{73, 1200, 2350},  // DMPAPER_JENV_CHOU3
    PaperSize{74, 900, 2050},   // DMPAPER_JENV_CHOU4
    PaperSize{75, 2794, 2159},  // DMPAPER_LETTER_ROTATED
    PaperSize{76, 4200, 2970},  // DMPAPER_A3_ROTATED
    PaperSize{77, 2970, 2100},  // DMPAPER_A4_ROTATED
    PaperSize{78, 2100, 1480},  // DMPAPER_A5_ROTATED
    PaperSize{79, 3640, 2570},  // DMPAPER_B4_JIS_ROTATED
    PaperSize{80, 2570, 1820},  // DMPAPER_B5_JIS_ROTATED
    PaperSize{81, 1480, 1000},  // DMPAPER_JAPANESE_POSTCARD_ROTATED
    PaperSize{82, 1480, 2000},  // DMPAPER_DBL_JAPANESE_POSTCARD_ROTATED
    PaperSize{83, 1480, 1050},  // DMPAPER_A6_ROTATED
    PaperSize{84, 3320, 2400},  // DMPAPER_JENV_KAKU2_ROTATED
    PaperSize{85, 2770, 2160},  // DMPAPER_JENV_KAKU3_ROTATED
    PaperSize{86, 2350, 1200},  // DMPAPER_JENV_CHOU3_ROTATED
    PaperSize{87, 2050, 900},   // DMPAPER_JENV_CHOU4_ROTATED
    PaperSize{88, 1280, 1820},  // DMPAPER_B6_JIS
    PaperSize{89, 1820, 1280},  // DMPAPER_B6_JIS_ROTATED
    PaperSize{90, 3049, 2795},  // DMPAPER_12X11
    PaperSize{91, 1050, 2350},  // DMPAPER_JENV_YOU4
    PaperSize{92, 2350, 1050},  // DMPAPER_JENV_YOU4_ROTATED
    PaperSize{93, 1880, 2600},  // DMPAPER_P16K
    PaperSize{94, 1300, 1840},  // DMPAPER_P32K
    PaperSize{95, 1400, 2030},  // DMPAPER_P32KBIG
    PaperSize{96, 1020, 1650},  // DMPAPER_PENV_1
    PaperSize{97, 1020, 1760},  // DMPAPER_PENV_2
    PaperSize{98, 1250, 1760},  // DMPAPER_PENV_3
    PaperSize{99, 1100, 2080},  // DMPAPER_PENV_4
    PaperSize{100, 1100, 2200}, // DMPAPER_PENV_5
    PaperSize{101, 1200, 2300}, // DMPAPER_PENV_6
    PaperSize{102, 1600, 2300}, // DMPAPER_PENV_7
    PaperSize{103, 1200, 3090}, // DMPAPER_PENV_8
    PaperSize{104, 2290, 3240}, // DMPAPER_PENV_9
    PaperSize{105, 3240, 4580}, // DMPAPER_PENV_10
    PaperSize{106, 2600, 1880}, // DMPAPER_P16K_ROTATED
    PaperSize{107, 1840, 1300}, // DMPAPER_P32K_ROTATED
    PaperSize{108, 2030, 1400}, // DMPAPER_P32KBIG_ROTATED
    PaperSize{109, 1650, 1020}, // DMPAPER_PENV_1_ROTATED
    PaperSize{110, 1760, 1020}, // DMPAPER_PENV_2_ROTATED
    PaperSize{111, 1760, 1250}, // DMPAPER_PENV_3_ROTATED
    PaperSize{112, 2080, 1100}, // DMPAPER_PENV_4_ROTATED
    PaperSize{113, 2200, 1100}, // DMPAPER_PENV_5_ROTATED
    PaperSize{114, 2300, 1200}, // DMPAPER_PENV_6_ROTATED
    PaperSize{115, 2300, 1600}, // DMPAPER_PENV_7_ROTATED
    PaperSize{116, 3090, 1200}, // DMPAPER_PENV_8_ROTATED
    PaperSize{117, 3240, 2290}, // DMPAPER_PENV_9_ROTATED
    PaperSize{118, 4580, 3240}, // DMPAPER_PENV_10_ROTATED
};

} // namespace

std::optional<PaperSize> StandardPaperSize(int id) {
    for (const auto& paper : kPaperSizes) {
        if (paper.id == id)
            return paper;
    }
    return std::nullopt;
}

} // namespace kx
