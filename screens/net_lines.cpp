#include "screens/net_lines.h"

#include <cstdio>
#include <string_view>

#include "engine/translate.h"
#include "game/galaxy.h"

namespace {

// Each with at most one "%s": what stands there is kept, a player's colour
// at its start translated.
constexpr const char* sessionLines[] = {
    N_("%s left the game; the computer plays the seat"),
    N_("%s left the game"),
    N_("%s joined the game again"),
    N_("out of step at turn %s"),
    N_("the host runs version %s"),
    N_("the host disconnected you: %s"),
    N_("the name %s is taken"),
    N_("the game has begun without %s"),
    N_("the game the host sent cannot be read: %s"),
    N_("the host left the game"),
    N_("the host cannot be reached"),
    N_("the host does not answer"),
    N_("every seat is taken: the game begins"),
    N_("every seat is taken"),
    N_("the game is over"),
};

std::string withColourTranslated(std::string_view slot)
{
    const char* best = nullptr;
    for (const char* colour : playerColourNames) {
        const std::string_view c(colour);
        if (slot.starts_with(c) && (slot.size() == c.size() || slot[c.size()] == ' ') &&
            (!best || c.size() > std::string_view(best).size()))
            best = colour;
    }
    if (!best) return std::string(slot);
    return tr(best) + std::string(slot.substr(std::string_view(best).size()));
}

} // namespace

std::string netLineText(const std::string& line)
{
    for (const char* english : sessionLines) {
        const std::string_view e(english);
        const size_t at = e.find("%s");
        if (at == std::string_view::npos) {
            if (line == e) return tr(english);
            continue;
        }
        const std::string_view before = e.substr(0, at), after = e.substr(at + 2);
        if (line.size() <= before.size() + after.size() || !std::string_view(line).starts_with(before) ||
            !std::string_view(line).ends_with(after))
            continue;
        const std::string slot = withColourTranslated(
            std::string_view(line).substr(before.size(), line.size() - before.size() - after.size()));
        char text[512];
        std::snprintf(text, sizeof text, tr(english), slot.c_str());
        return text;
    }
    return line;
}
