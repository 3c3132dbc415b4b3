#include "engine/translate.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>

namespace {

constexpr const char* domain = "zentory";
bool started = false;

void bind(const std::string& folder)
{
    if (!folder.empty()) bindtextdomain(domain, folder.c_str());
    // Drawn as UTF-8 whatever the locale's character set.
    bind_textdomain_codeset(domain, "UTF-8");
    started = true;
}

} // namespace

void startTranslations(const std::string& folder)
{
    std::setlocale(LC_MESSAGES, "");
    bind(folder);
}

void useLanguage(const std::string& language, const std::string& folder)
{
    // gettext reads LANGUAGE only outside the "C" locale; C.UTF-8 is always
    // there. Setting the locale again also drops the translations looked up.
    if (language.empty()) {
        unsetenv("LANGUAGE");
        std::setlocale(LC_MESSAGES, "C");
    } else {
        setenv("LANGUAGE", language.c_str(), 1);
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    bind(folder);
}

const char* tr(const char* english)
{
    if (!started || !english || !*english) return english;
    return dgettext(domain, english);
}
