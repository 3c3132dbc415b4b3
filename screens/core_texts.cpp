#include "screens/core_texts.h"

#include <cstdio>

#include "engine/translate.h"

namespace {

// The core's words, for xgettext: the core itself knows no translations.
[[maybe_unused]] const char* const coreTexts[] = {
    // game/galaxy.cpp: the players' colours and the difficulty levels.
    N_("green"), N_("blue"), N_("purple"), N_("red"), N_("dark green"), N_("yellow"), N_("brown"),
    N_("light purple"), N_("simple"), N_("easy"), N_("normal"), N_("hard"), N_("impossible"),
    // game/start_check.cpp
    N_("This galaxy file cannot be read."), N_("Too few stars for two players."),
    N_("Not all stars are linked: this galaxy cannot be won."),
    // game/editor.cpp, game/galaxy_file.cpp and game/file_replace.cpp
    N_("cannot be read"), N_(" is read-only"), N_("the folder is read-only"), N_("the disk is full"),
    N_("not a usable file name")};

} // namespace

std::string trCore(const std::string& message)
{
    int places = 0, most = 0;
    if (std::sscanf(message.c_str(), "too large for the editor (%d places, at most %d)", &places, &most) == 2) {
        char text[128];
        std::snprintf(text, sizeof text, tr("too large for the editor (%d places, at most %d)"), places, most);
        return text;
    }
    return tr(message.c_str());
}

std::string computerPlayerName(const char* colour)
{
    char text[96];
    std::snprintf(text, sizeof text, tr("%s AI"), tr(colour));
    return text;
}
