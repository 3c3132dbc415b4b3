#include "engine/translate.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>

// glibc's count of catalogue changes: raised, it makes gettext forget the
// translations it looked up, the documented way to change the language of a
// running program.
extern "C" int _nl_msg_cat_cntr;

namespace {

constexpr const char* domain = "zentory";
bool started = false;

// Without a folder of our catalogues the texts stay English.
void bind(const std::string& folder)
{
    started = !folder.empty();
    if (!started) return;
    bindtextdomain(domain, folder.c_str());
    // Drawn as UTF-8 whatever the locale's character set.
    bind_textdomain_codeset(domain, "UTF-8");
}

} // namespace

void startTranslations(const std::string& folder)
{
    std::setlocale(LC_MESSAGES, "");
    bind(folder);
}

void useLanguage(const std::string& language, const std::string& folder)
{
    // gettext reads LANGUAGE only outside the "C" locale; C.UTF-8 is always there.
    if (language.empty()) {
        unsetenv("LANGUAGE");
        std::setlocale(LC_MESSAGES, "C");
    } else {
        setenv("LANGUAGE", language.c_str(), 1);
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    bind(folder);
    ++_nl_msg_cat_cntr;
}

const char* trn(const char* one, const char* many, unsigned long n)
{
    if (!started) return n == 1 ? one : many;
    return dngettext(domain, one, many, n);
}

const char* tr(const char* english)
{
    if (!started || !english || !*english) return english;
    return dgettext(domain, english);
}
