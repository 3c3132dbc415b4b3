#include "game/seats.h"

#include <algorithm>

namespace {

constexpr const char* seatWords[] = {"human", "computer", "expert"};

} // namespace

std::vector<Seat> defaultSeats(int players, bool demo)
{
    std::vector<Seat> seats(static_cast<size_t>(std::max(players, 0)), Seat::Computer);
    if (!demo && !seats.empty()) seats[0] = Seat::Human;
    return seats;
}

const char* seatWord(Seat seat) { return seatWords[static_cast<int>(seat)]; }

bool parseSeatWord(std::string_view word, Seat& seat)
{
    for (int i = 0; i < 3; ++i)
        if (word == seatWords[i]) {
            seat = static_cast<Seat>(i);
            return true;
        }
    return false;
}

bool parseSeats(std::string_view list, int players, std::vector<Seat>& out, std::string& why)
{
    std::vector<Seat> seats;
    for (;;) {
        const size_t comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        Seat seat{};
        if (!parseSeatWord(word, seat)) {
            why = word.empty() ? "a seat is empty" : "unknown seat \"" + std::string(word) + "\" (human, computer or expert)";
            return false;
        }
        seats.push_back(seat);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    if (static_cast<int>(seats.size()) != players) {
        why = std::to_string(seats.size()) + " seats for " + std::to_string(players) + " players";
        return false;
    }
    out = std::move(seats);
    return true;
}

Seat seatOf(const GameState& state, int p)
{
    return p >= 0 && p < static_cast<int>(state.seats.size()) ? state.seats[p] : Seat::Computer;
}

bool isDemo(const GameState& state) { return humanSeats(state) == 0; }

int humanSeats(const GameState& state)
{
    return static_cast<int>(std::count(state.seats.begin(), state.seats.end(), Seat::Human));
}

bool decidingSeat(const GameState& state, int p)
{
    const Seat s = seatOf(state, p);
    return s == Seat::Human || s == Seat::Expert;
}

int soleHuman(const GameState& state)
{
    if (humanSeats(state) != 1) return noOwner;
    return static_cast<int>(std::find(state.seats.begin(), state.seats.end(), Seat::Human) - state.seats.begin());
}
