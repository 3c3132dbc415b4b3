#pragma once
// The program's frames run beside a bot peer in this process that plays its
// seat: network play on the screens without a second program.
#include <chrono>
#include <functional>

#include "ai/net_peer.h"
#include "ai/seat_play.h"
#include "tools/program_driver.h"

// Runs until done() or the deadline; returns done().
inline bool runWithBot(ProgramDriver& program, PeerSession& bot, std::chrono::steady_clock::time_point until,
                       const std::function<bool()>& done)
{
    while (!done() && std::chrono::steady_clock::now() < until) {
        program.frame(50);
        peerPoll(bot, 1);
        peerPlay(bot, 1000);
        if (peerToDecide(bot)) peerDecide(bot, seatDecision(bot.state, bot.seat));
    }
    return done();
}
