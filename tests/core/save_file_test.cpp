// Saved games: what is written reads back whole, a cycle of computer turns
// goes on exactly as it would have, and every kind of damage is refused.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>

#include "ai/game_record.h"
#include "ai/game_trace.h"
#include "ai/turn_sequence.h"
#include "game/human_turn.h"
#include "game/rules.h"
#include "game/save_check.h"
#include "game/save_file.h"
#include "game/seats.h"

namespace {

// A game of four players on the built-in galaxy, dealt with seed 7.
GameState dealtGame()
{
    GameState s;
    s.galaxy.loadBuiltIn("");
    s.galaxy.playerCount = 4;
    s.galaxy.prepareGameStars();
    setUpGame(s.galaxy, s.random, 7);
    s.seats = defaultSeats(4, false);
    beginGame(s);
    s.turnPlayer = 0;
    return s;
}

// The game a save holds; the test fails if it is refused.
GameState readBack(const std::string& text)
{
    GameState read;
    std::string why;
    EXPECT_TRUE(readSaveText(text, read, why)) << why;
    return read;
}

// The human has put players 2 and 3 out and conquered a star linked to one
// of its own that holds armies: the transfer is offered.
void conquerTwo(GameState& s)
{
    Galaxy& g = s.galaxy;
    for (Star& star : g.gameStars)
        if (star.owner == 2 || star.owner == 3) star.owner = 0;
    g.players[2].alive = g.players[3].alive = 0;
    s.unannounced = {2, 3};
    for (int i = 0; i < g.slotCount() && s.phase != GamePhase::HumanTransfer; ++i)
        for (int j = 0; j < g.slotCount() && s.phase != GamePhase::HumanTransfer; ++j)
            if (i != j && g.gameStars[i].owner == 0 && g.gameStars[j].owner == 0 && g.isLinked(j, i))
                s.phase = GamePhase::HumanTransfer, s.transferFrom = i, s.transferTo = j;
    g.gameStars[s.transferFrom].armies = 5;
}

void place(GameState& s, int armies) { s.phase = GamePhase::HumanPlacement, s.armiesToPlace = armies; }

int firstOf(const GameState& s, int player)
{
    for (int i = 0; i < s.galaxy.slotCount(); ++i)
        if (s.galaxy.gameStars[i].owner == player) return i;
    return noOwner;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The text without its sum line, changed, and sealed again: damage the sum
// would not see, so that the reader's own checks are what refuses it.
std::string resealed(const std::string& text, const std::string& from, const std::string& to)
{
    return sealSaveText(replaced(text.substr(0, text.rfind("sum ")), from, to));
}

} // namespace

TEST(SaveFile, EveryFieldReadsBackAsWritten)
{
    GameState s = dealtGame();
    Galaxy& g = s.galaxy;
    s.difficulty = 4;
    conquerTwo(s);
    s.armiesToPlace = 3;
    g.turn = 12;
    g.lastConquestTurn = 9;
    g.minimumIncome = 1.0 / 3.0;
    g.name = "TWO WORDS\nand a line";
    g.players[1].caution = 2.0 + 1e-15;
    g.gameStars[5].armies = 41;
    s.ai.need[5] = 0.1;
    s.ai.value[6] = 1e300;
    g.links[3] = 7;
    s.random.state = 0xDEADBEEFu;
    s.history = {TurnFigures{3, 4, {1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}}, TurnFigures{12, 4, {}, {}, {}}};
    s.lastEvents = {GameEvent{11, 1, 5, 0, false}};
    s.events = {GameEvent{12, 0, 6, 3, true}};
    const std::string text = saveText(s);
    EXPECT_EQ(text.substr(0, text.find('\n')), "zentory save 3");

    const GameState r = readBack(text);
    const Galaxy& h = r.galaxy;
    EXPECT_EQ(std::tuple(r.difficulty, r.seats, r.phase, r.armiesToPlace, r.transferFrom, r.transferTo, r.winner,
                         r.unannounced, r.random.state),
              std::tuple(4, defaultSeats(4, false), GamePhase::HumanTransfer, 3, s.transferFrom, s.transferTo, int{noOwner}, std::vector{2, 3},
                         0xDEADBEEFu));
    EXPECT_EQ(std::tuple(h.turn, h.minimumIncome, h.name, h.players[2].alive, h.players[1].caution, h.playerCount,
                         h.lastConquestTurn, h.gameStars[5].armies, r.ai.need[5], r.ai.value[6], h.links[3]),
              std::tuple(12, 1.0 / 3.0, g.name, 0, 2.0 + 1e-15, 4, 9, 41, 0.1, 1e300, 7));
    EXPECT_EQ(std::tuple(h.layoutStars[4].x, h.gameStars[4].owner, h.gameStars[23].kind),
              std::tuple(g.layoutStars[4].x, g.gameStars[4].owner, g.gameStars[23].kind));
    EXPECT_EQ(std::tuple(r.history, r.lastEvents, r.events), std::tuple(s.history, s.lastEvents, s.events));
    // Nothing the writer knows is lost on the way: the same text again.
    EXPECT_EQ(saveText(r), text);
    // A game over on points says so again when it is resumed.
    s.phase = GamePhase::Over, s.winner = 1, s.wonOnPoints = true, s.unannounced = {};
    const GameState over = readBack(saveText(s));
    EXPECT_EQ(std::pair(over.winner, over.wonOnPoints), std::pair(1, true));
}

// (That such a save resumes and plays on as the whole cycle would have is the
// saved-game test's, through the program.)
TEST(SaveFile, ACycleOfComputerTurnsUnderWayIsSavedAsItBegan)
{
    GameState s = dealtGame();
    s.random.state = 99;
    endHumanTurn(s);
    // Saved before the cycle begins: the galaxy as it is now.
    const std::string beforeBegin = saveText(s);
    beginComputerTurns(s);
    EXPECT_EQ(saveText(s), beforeBegin);
    for (int k = 0; k < 25; ++k) stepComputerTurns(s);
    ASSERT_NE(s.random.state, 99u);
    EXPECT_EQ(saveText(s), beforeBegin);
}

// Saves of the first version stay on players' disks. This one was written by
// that version's zentory-sim --stop-at 20 --seed 3 (built-in galaxy).
TEST(SaveFile, AVersion1SaveGoesOnAsTheGamePlayedThrough)
{
    std::ifstream in(std::string(ZENTORY_SOURCE_DATA_DIR) + "/../tests/data/version-1-save.txt");
    GameState resumed = readBack(std::string(std::istreambuf_iterator<char>(in), {})), through;
    Galaxy builtIn;
    builtIn.loadBuiltIn("");
    std::string played, replayed, *trace = nullptr;
    DemoGameObserver observer;
    observer.stepped = [&](const Galaxy& g, const AiStepReport& r) { *trace += traceLine(g, r); };
    trace = &played;
    playDemoGame(through, builtIn, 3, 19, observer);
    // Every field, the computer players' memory too, is where this version
    // keeps it; only the course played is not in it.
    through.history.clear(), through.lastEvents.clear(), through.events.clear();
    EXPECT_EQ(saveText(resumed), saveText(through));
    played.clear();
    continueDemoGame(through, 60, observer, false);
    trace = &replayed;
    continueDemoGame(resumed, 60, observer, false);
    EXPECT_TRUE(replayed == played && !played.empty());
}

TEST(SaveFile, DamageAndImpossibleGamesAreRefused)
{
    const GameState base = dealtGame();
    const std::string good = saveText(base);
    const std::function<void(GameState&)> noChange = [](GameState&) {};
    struct Case {
        const char* what;
        std::function<void(GameState&)> change;
        std::function<std::string(const std::string&)> damage;
    };
    const auto text = [](const std::string& t) { return [t](const std::string&) { return t; }; };
    const auto reseal = [](const char* from, const char* to) {
        return [=](const std::string& t) { return resealed(t, from, to); };
    };
    const Case cases[] = {
        {"empty file", noChange, text("")},
        {"another version", noChange, [](const std::string& t) { return replaced(t, "save 3", "save 4"); }},
        {"a digit changed", noChange, [](const std::string& t) { return replaced(t, "turn 0", "turn 1"); }},
        {"cut short", noChange, [](const std::string& t) { return t.substr(0, t.size() / 2); }},
        {"text after the sum", noChange, [](const std::string& t) { return t + "x"; }},
        {"generator garbage", noChange, reseal("random 1\n", "random 1x\n")},
        {"generator too large", noChange, reseal("random 1\n", "random 4294967296\n")},
        {"turn -1", noChange, reseal("turn 0", "turn -1")},
        {"a conquest after the turn", noChange, reseal("lastConquest 0", "lastConquest 1")},
        {"unknown phase", noChange, reseal("phase turnStart", "phase lunch")},
        {"nine players", noChange, reseal("galaxy\n4 ", "galaxy\n9 ")},
        {"no slots", noChange, reseal("galaxy\n4 100", "galaxy\n4 0")},
        {"wrong link count", noChange, reseal("\n10000 ", "\n9999 ")},
        {"a real that is no number", noChange, reseal("minimumIncome ", "minimumIncome nan")},
        {"a name longer than the text", noChange, reseal("name 4 TEST", "name 400 TEST")},
        {"negative armies", [](GameState& s) { s.galaxy.gameStars[0].armies = -1; }, nullptr},
        {"owner 9", [](GameState& s) { s.galaxy.gameStars[0].owner = 9; }, nullptr},
        {"owner -2", [](GameState& s) { s.galaxy.gameStars[0].owner = -2; }, nullptr},
        {"no game", [](GameState& s) { s.phase = GamePhase::None; }, nullptr},
        {"a transfer to no star", [](GameState& s) { s.phase = GamePhase::HumanTransfer; }, nullptr},
        {"a transfer off the map", [](GameState& s) { s.transferTo = 100; }, nullptr},
        {"over without a winner", [](GameState& s) { s.phase = GamePhase::Over; }, nullptr},
        {"a winner in play", [](GameState& s) { s.winner = 1; }, nullptr},
        {"points in play", [](GameState& s) { s.wonOnPoints = true; }, nullptr},
        {"a winner who is no player", [](GameState& s) { s.winner = 5, s.phase = GamePhase::Over; }, nullptr},
        {"an eliminated non-player", [](GameState& s) { s.unannounced = {4}; }, nullptr},
        {"players missing", [](GameState& s) { s.galaxy.players.pop_back(); }, nullptr},
        {"difficulty 5", [](GameState& s) { s.difficulty = 5; }, nullptr},
        // Numbers the rules would overflow on, and parts that disagree.
        {"armies no player can hold", [](GameState& s) { s.galaxy.gameStars[0].armies = INT_MAX; }, nullptr},
        {"more than the cap to place", [](GameState& s) { place(s, maxSavedIncome + 1); }, nullptr},
        {"placing past the cap",
         [](GameState& s) { place(s, 1), s.galaxy.gameStars[firstOf(s, 0)].armies = maxSavedArmies; }, nullptr},
        {"a huge minimum income", [](GameState& s) { s.galaxy.minimumIncome = 1e300; }, nullptr},
        {"a placement of nothing", [](GameState& s) { place(s, 0); }, nullptr},
        {"the human holds all, others alive", [](GameState& s) {
             for (Star& star : s.galaxy.gameStars) star.owner = star.active ? 0 : noOwner;
         }, nullptr},
        {"a player out who holds stars", [](GameState& s) { s.galaxy.players[1].alive = 0; }, nullptr},
        {"a transfer between enemies", [](GameState& s) {
             conquerTwo(s);
             for (Star& star : s.galaxy.gameStars) star.owner = star.owner == 0 ? 1 : 0;
         }, nullptr},
        {"a transfer between unlinked stars", [](GameState& s) {
             conquerTwo(s);
             s.galaxy.links[s.transferTo * s.galaxy.slotCount() + s.transferFrom] = 0;
         }, nullptr},
        {"an eliminated player alive", [](GameState& s) { s.unannounced = {1}; }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState changed = base;
        c.change(changed);
        const std::string damaged = c.damage ? c.damage(good) : saveText(changed);
        GameState r = dealtGame();
        r.galaxy.turn = 77;
        std::string why;
        EXPECT_FALSE(readSaveText(damaged, r, why));
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(r.galaxy.turn, 77); // left alone
    }
    readBack(good); // while the undamaged save is taken
}

// A save at the edge of every bound is taken, and the rules play on from it
// without overflow (the sanitizer build checks) and to a save taken again.
TEST(SaveFile, TheRulesPlayOnAtTheBounds)
{
    GameState s = dealtGame();
    Galaxy& g = s.galaxy;
    s.difficulty = 0;
    g.minimumIncome = 7 * 1000 * 0.6;
    g.turn = g.lastConquestTurn = INT_MAX - 1;
    for (int p = 0; p < g.playerCount; ++p) g.gameStars[firstOf(s, p)].armies = maxSavedArmies - 2 * maxSavedIncome;
    place(s, maxSavedIncome);
    s.random.state = 5;
    gameState = readBack(saveText(s));
    Galaxy& h = gameState.galaxy;
    const int home = firstOf(gameState, 0);
    EXPECT_EQ(placeArmies(gameState, home, INT_MAX), maxSavedIncome);
    for (int to = 0; to < h.slotCount(); ++to)
        if (dropKind(h, 0, home, to) == DropKind::Attack) fightBattle(gameState, home, to, INT_MAX);
    transferAfterConquest(gameState, INT_MAX);
    for (int round = 0; round < 3 && gameState.phase != GamePhase::Over; ++round) {
        endHumanTurn(gameState);
        beginComputerTurns(gameState);
        for (int k = 0; k < 100000 && gameState.phase == GamePhase::ComputerTurns; ++k) stepComputerTurns(gameState);
        if (gameState.phase == GamePhase::TurnStart) startTurnCycle(gameState);
        if (gameState.phase == GamePhase::HumanPlacement) placeArmies(gameState, firstOf(gameState, 0), INT_MAX);
        readBack(saveText(gameState));
    }
    gameState = GameState{};
}
