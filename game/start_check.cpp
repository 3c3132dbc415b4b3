#include "game/start_check.h"

#include "game/galaxy.h"

StartRefusal checkGameStart(bool builtIn, const std::string& name)
{
    Galaxy galaxy;
    bool read = builtIn ? galaxy.loadBuiltIn(name) : galaxy.loadFile(name);
    if (!read) return StartRefusal::unreadable;
    // The deal gives each star to the player holding the least income, the
    // lowest index among equals: whatever the order of the draws, the k-th
    // income star dealt goes to player k - 1 while k <= players.
    int incomeStars = 0;
    for (const Star& s : galaxy.layoutStars)
        if (starIncome(s) > 0) ++incomeStars;
    return incomeStars < minPlayers ? StartRefusal::tooFewStars : StartRefusal::none;
}
