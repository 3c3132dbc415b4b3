#pragma once
// zentory-sim --seats: games with the given seats, the list turned one place
// on from game to game so that every kind of seat plays from every position,
// and the wins counted per kind of seat.
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "ai/replay.h"
#include "ai/seat_play.h"
#include "game/decide.h"
#include "game/seats.h"

// The seats of game k: player p gets list[(p - k) mod players].
inline std::vector<Seat> rotatedSeats(const std::vector<Seat>& list, int k)
{
    const int n = static_cast<int>(list.size());
    std::vector<Seat> out(list.size());
    for (int p = 0; p < n; ++p) out[p] = list[((p - k) % n + n) % n];
    return out;
}

// Plays a dealt game to its end or to the start of turn maxTurns, the
// deciding seats by seatDecision. Returns the winner, or noOwner when the
// game did not end or a decision was refused.
inline int playSeatedGame(GameState& state, int maxTurns)
{
    const bool played = playOn(state, maxTurns, [](const GameState& s) { return seatDecision(s, s.turnPlayer); });
    return played && state.phase == GamePhase::Over ? state.winner : noOwner;
}

struct SeatTally {
    int games = 0;
    int undecided = 0;
    std::array<int, 3> wins{};
    // Seats of each kind summed over the games, for the fair shares.
    std::array<int, 3> seats{};
};

inline void countGame(SeatTally& tally, const std::vector<Seat>& seats, int winner)
{
    ++tally.games;
    for (Seat s : seats) ++tally.seats[static_cast<size_t>(s)];
    if (winner < 0 || winner >= static_cast<int>(seats.size()))
        ++tally.undecided;
    else
        ++tally.wins[static_cast<size_t>(seats[winner])];
}

// "wins per seat kind: computer 120 expert 80 none 0", and for the expert
// its rate against its fair share (its seats over all seats) and the goal of
// twice that share, at most 80 %.
inline void printTally(const SeatTally& t)
{
    std::printf("wins per seat kind:");
    for (Seat s : {Seat::Human, Seat::Computer, Seat::Expert})
        if (t.seats[static_cast<size_t>(s)] > 0) std::printf(" %s %d", seatWord(s), t.wins[static_cast<size_t>(s)]);
    std::printf(" none %d\n", t.undecided);
    const int all = t.seats[0] + t.seats[1] + t.seats[2];
    const int expert = t.seats[static_cast<size_t>(Seat::Expert)];
    if (expert == 0 || t.games == 0) return;
    const double rate = 100.0 * t.wins[static_cast<size_t>(Seat::Expert)] / t.games;
    const double fair = 100.0 * expert / all;
    std::printf("expert wins %.1f %% of %d games, fair share %.1f %%, goal %.1f %%: %s\n", rate, t.games, fair,
                std::min(2.0 * fair, 80.0), rate >= std::min(2.0 * fair, 80.0) ? "reached" : "not reached");
}
