#include "ai/replay.h"

#include "ai/seat_play.h"
#include "ai/turn_sequence.h"
#include "game/rules.h"
#include "game/course.h"
#include "game/decide.h"
#include "game/human_turn.h"
#include "game/seats.h"

namespace {

// A bot that has made this many decisions in one turn ends it.
constexpr int maxDecisionsPerTurn = 10000;

} // namespace

bool decisionDue(const GameState& state)
{
    const GamePhase p = state.phase;
    return p == GamePhase::HumanPlacement || p == GamePhase::HumanAttack || p == GamePhase::HumanTransfer;
}

void stepWithoutDecision(GameState& state)
{
    if (state.phase == GamePhase::TurnStart) {
        startTurnCycle(state);
    } else if (state.phase == GamePhase::ComputerTurns) {
        beginComputerTurns(state);
        while (state.phase == GamePhase::ComputerTurns) stepComputerTurns(state);
    }
}

void dealGame(GameState& state, const Galaxy& loaded, unsigned seed, bool humanSeat, int difficulty)
{
    dealGame(state, loaded, seed, defaultSeats(loaded.playerCount, !humanSeat), difficulty);
}

void dealGame(GameState& state, const Galaxy& loaded, unsigned seed, const std::vector<Seat>& seats, int difficulty)
{
    state.galaxy = loaded;
    state.galaxy.prepareGameStars();
    setUpGame(state.galaxy, state.random, static_cast<int>(seed));
    state.random.state = seed;
    state.difficulty = difficulty;
    state.seats = seats;
    state.journal.on = true;
    beginGame(state);
}

bool playOn(GameState& state, int maxTurns, const std::function<Decision(const GameState&)>& decide,
            const std::function<void()>& after)
{
    int decisions = 0, turn = state.galaxy.turn;
    while (state.phase != GamePhase::Over && !(state.phase == GamePhase::TurnStart && state.galaxy.turn >= maxTurns)) {
        if (!decisionDue(state)) {
            stepWithoutDecision(state);
        } else {
            decisions = turn == state.galaxy.turn ? decisions + 1 : 0;
            turn = state.galaxy.turn;
            if (!applyDecision(state, decisions > maxDecisionsPerTurn ? Decision{} : decide(state))) return false;
        }
        if (after) after();
    }
    return true;
}

std::string playAndRecord(GameState& state, int maxTurns, const std::string& started)
{
    std::string out = recordingHeaderText(recordingOf(state, state.random.state, started));
    playOn(state, maxTurns, [](const GameState& s) { return seatDecision(s, s.turnPlayer); },
           [&] {
               for (const CourseEntry& e : drainJournal(state)) out += courseLine(e);
           });
    return out;
}

void startRecordedGame(GameState& state, const Recording& r)
{
    state.galaxy = r.galaxy;
    state.difficulty = r.difficulty;
    state.seats = r.seats;
    state.journal.on = true;
    beginGame(state);
    state.random.state = r.random;
}

ReplayResult replayRecording(GameState& state, const Recording& r)
{
    startRecordedGame(state, r);
    ReplayResult result;
    size_t next = 0;
    while (next < r.course.size()) {
        const CourseEntry& want = r.course[next];
        if (state.phase == GamePhase::Over) {
            result.differsAt = want.turn;
            return result;
        }
        if (!decisionDue(state)) {
            stepWithoutDecision(state);
        } else if (want.cycleEnd || !applyDecision(state, want.decision)) {
            result.differsAt = want.turn;
            return result;
        }
        // What the game did must be what the recording says, up to its end.
        for (const CourseEntry& e : drainJournal(state)) {
            if (next == r.course.size()) break;
            if (!(e == r.course[next])) {
                result.differsAt = r.course[next].turn;
                return result;
            }
            if (e.cycleEnd) {
                result.turns = e.turn;
                result.winner = e.winner;
                result.onPoints = e.onPoints;
            }
            ++next;
        }
    }
    return result;
}
