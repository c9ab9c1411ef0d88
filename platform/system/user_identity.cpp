// The user's name and default language.
#include "platform/system/system_api.h"

#include "platform/base/text.h"
#include "platform/files/file_api.h"

#include <array>
#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <unistd.h>

namespace kx {
namespace {

struct LocaleLanguage {
    std::string_view locale; // language_COUNTRY, or a language alone
    LANGID language;
};

// Locales with a country first, then the language alone (its default country).
constexpr std::array<LocaleLanguage, 84> kLocaleLanguages = {{
    {"ar_SA", 0x0401}, {"bg_BG", 0x0402}, {"ca_ES", 0x0403}, {"zh_TW", 0x0404}, {"zh_CN", 0x0804},
    {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404}, {"cs_CZ", 0x0405}, {"da_DK", 0x0406},
    {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"el_GR", 0x0408}, {"en_US", 0x0409},
    {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809},
    {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"es_AR", 0x2C0A}, {"fi_FI", 0x040B}, {"fr_FR", 0x040C},
    {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"he_IL", 0x040D}, {"hu_HU", 0x040E},
    {"is_IS", 0x040F}, {"it_IT", 0x0410}, {"it_CH", 0x0810}, {"ja_JP", 0x0411}, {"ko_KR", 0x0412},
    {"nl_NL", 0x0413}, {"nl_BE", 0x0813}, {"nb_NO", 0x0414}, {"no_NO", 0x0414}, {"nn_NO", 0x0814},
    {"pl_PL", 0x0415}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"ro_RO", 0x0418}, {"ru_RU", 0x0419},
    {"hr_HR", 0x041A}, {"sk_SK", 0x041B}, {"sq_AL", 0x041C}, {"sv_SE", 0x041D}, {"sv_FI", 0x081D},
    {"th_TH", 0x041E}, {"tr_TR", 0x041F}, {"id_ID", 0x0421}, {"uk_UA", 0x0422}, {"sl_SI", 0x0424},
    {"et_EE", 0x0425}, {"lv_LV", 0x0426}, {"lt_LT", 0x0427}, {"vi_VN", 0x042A}, {"eu_ES", 0x042D},
    {"ar", 0x0401},    {"bg", 0x0402},    {"ca", 0x0403},    {"zh", 0x0804},    {"cs", 0x0405},
    {"da", 0x0406},    {"de", 0x0407},    {"el", 0x0408},    {"en", 0x0409},    {"es", 0x0C0A},
    {"fi", 0x040B},    {"fr", 0x040C},    {"he", 0x040D},    {"hu", 0x040E},    {"it", 0x0410},
    {"ja", 0x0411},    {"ko", 0x0412},    {"nl", 0x0413},    {"nb", 0x0414},    {"pl", 0x0415},
    {"pt", 0x0816},    {"ru", 0x0419},    {"sv", 0x041D},    {"tr", 0x041F},
}};

constexpr LANGID kEnglishUnitedStates = 0x0409;

std::mutex g_identityMutex;
std::u16string g_userNameOverride;
LANGID g_languageOverride = 0;

LANGID LanguageFromEnvironment() {
    if (const char* pinned = std::getenv("KX_LANGID"); pinned != nullptr && *pinned != '\0') {
        const unsigned long value = std::strtoul(pinned, nullptr, 16);
        if (value > 0 && value <= 0xFFFF)
            return static_cast<LANGID>(value);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        const LANGID language = LanguageFromLocaleName(value);
        return language != 0 ? language : kEnglishUnitedStates;
    }
    return kEnglishUnitedStates;
}

} // namespace

LANGID LanguageFromLocaleName(std::string_view locale) {
    const size_t end = locale.find_first_of(".@");
    locale = locale.substr(0, end);
    for (const auto& entry : kLocaleLanguages) {
        if (entry.locale == locale)
            return entry.language;
    }
    const std::string_view language = locale.substr(0, locale.find('_'));
    for (const auto& entry : kLocaleLanguages) {
        if (entry.locale == language)
            return entry.language;
    }
    return 0;
}

void SetUserLanguageOverride(LANGID language) {
    std::lock_guard lock(g_identityMutex);
    g_languageOverride = language;
}

std::u16string CurrentUserName() {
    {
        std::lock_guard lock(g_identityMutex);
        if (!g_userNameOverride.empty())
            return g_userNameOverride;
    }
    if (const char* pinned = std::getenv("KX_USER_NAME"); pinned != nullptr && *pinned != '\0')
        return Utf8ToUtf16(pinned);
    // The account a process runs as does not change while it runs: the
    // password database is read once.
    static const std::u16string account = [] {
        if (const passwd* entry = getpwuid(geteuid());
            entry != nullptr && entry->pw_name != nullptr)
            return Utf8ToUtf16(entry->pw_name);
        return std::u16string(u"user");
    }();
    return account;
}

void SetUserNameOverride(std::u16string name) {
    std::lock_guard lock(g_identityMutex);
    g_userNameOverride = std::move(name);
}

} // namespace kx

extern "C" {

BOOL WINAPI GetUserNameW(LPWSTR buffer, LPDWORD size) {
    if (size == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::u16string name = kx::CurrentUserName();
    const auto needed = static_cast<DWORD>(name.size() + 1);
    if (buffer == nullptr || *size < needed) {
        *size = needed;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    kx::CopyText(buffer, *size, name);
    *size = needed;
    return TRUE;
}

LANGID WINAPI GetUserDefaultLangID() {
    {
        std::lock_guard lock(kx::g_identityMutex);
        if (kx::g_languageOverride != 0)
            return kx::g_languageOverride;
    }
    return kx::LanguageFromEnvironment();
}

LANGID WINAPI GetSystemDefaultLangID() {
    return GetUserDefaultLangID();
}
LANGID WINAPI GetUserDefaultUILanguage() {
    return GetUserDefaultLangID();
}
LCID WINAPI GetUserDefaultLCID() {
    return MAKELCID(GetUserDefaultLangID(), SORT_DEFAULT);
}

} // extern "C"
