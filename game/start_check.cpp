#include "game/start_check.h"

#include <vector>

const char* startRefusalText(StartRefusal refusal)
{
    switch (refusal) {
    case StartRefusal::none: break;
    case StartRefusal::unreadable: return "This galaxy file cannot be read.";
    case StartRefusal::tooFewStars: return "Too few stars for two players.";
    case StartRefusal::notLinked: return "Not all stars are linked: this galaxy cannot be won.";
    }
    return "";
}

bool incomeStarsLinked(const Galaxy& galaxy)
{
    const std::vector<Star>& stars = galaxy.layoutStars;
    const int n = galaxy.slotCount();
    int first = noOwner;
    for (int i = 0; i < n && first == noOwner; ++i)
        if (stars[i].active && starIncome(stars[i]) > 0) first = i;
    if (first == noOwner) return true;
    // Every star reachable from the first income star, along links whose two
    // ends are active (a link to a free slot leads nowhere).
    std::vector<char> reached(static_cast<size_t>(n), 0);
    std::vector<int> open{first};
    reached[static_cast<size_t>(first)] = 1;
    while (!open.empty()) {
        const int s = open.back();
        open.pop_back();
        for (int t = 0; t < n; ++t) {
            if (reached[static_cast<size_t>(t)] || !stars[t].active) continue;
            // Either entry of the matrix counts, so that only a galaxy that
            // surely cannot be won is refused.
            if (!galaxy.isLinked(s, t) && !galaxy.isLinked(t, s)) continue;
            reached[static_cast<size_t>(t)] = 1;
            open.push_back(t);
        }
    }
    for (int i = 0; i < n; ++i)
        if (stars[i].active && starIncome(stars[i]) > 0 && !reached[static_cast<size_t>(i)]) return false;
    return true;
}

StartRefusal checkGameStart(bool builtIn, const std::string& name)
{
    Galaxy galaxy;
    bool read = builtIn ? galaxy.loadBuiltIn(name) : galaxy.loadFile(name);
    return read ? checkGalaxyStart(galaxy) : StartRefusal::unreadable;
}

StartRefusal checkGalaxyStart(const Galaxy& galaxy)
{
    // The deal gives each star to the player holding the least income, the
    // lowest index among equals: whatever the order of the draws, the k-th
    // income star dealt goes to player k - 1 while k <= players.
    int incomeStars = 0;
    for (const Star& s : galaxy.layoutStars)
        if (starIncome(s) > 0) ++incomeStars;
    if (incomeStars < minPlayers) return StartRefusal::tooFewStars;
    return incomeStarsLinked(galaxy) ? StartRefusal::none : StartRefusal::notLinked;
}
