#include "game/decision.h"

#include <algorithm>
#include <charconv>

#include "game/game_state.h"
#include "game/human_turn.h"
#include "game/journal.h"

namespace {

// The seat whose decisions the state takes: the human's, in a normal game.
bool humanSeat(const GameState& state, int player)
{
    return player == 0 && state.demoMode == 0 && state.galaxy.isPlayer(player);
}

bool ownStar(const Galaxy& g, int star, int player) { return g.isGameStar(star) && g.gameStars[star].owner == player; }

struct KindName {
    DecisionKind kind;
    std::string_view word;
    int numbers;
};
constexpr KindName kindNames[] = {
    {DecisionKind::Place, "place", 2},   {DecisionKind::Attack, "attack", 3}, {DecisionKind::Transfer, "transfer", 1},
    {DecisionKind::Move, "move", 3},     {DecisionKind::EndTurn, "end", 0},
};

// A plain decimal below 10^9: digits only, no leading zero but "0" itself.
bool plainNumber(std::string_view t, int& v)
{
    if (t.empty() || t.size() > 9 || t[0] < '0' || t[0] > '9' || (t.size() > 1 && t[0] == '0')) return false;
    const auto [stop, error] = std::from_chars(t.data(), t.data() + t.size(), v);
    return error == std::errc() && stop == t.data() + t.size();
}

} // namespace

bool isLegal(const GameState& state, const Decision& d)
{
    if (!humanSeat(state, d.player)) return false;
    const Galaxy& g = state.galaxy;
    switch (d.kind) {
    case DecisionKind::Place:
        return state.phase == GamePhase::HumanPlacement && ownStar(g, d.star, d.player) && d.armies >= 1 &&
               state.armiesToPlace >= 1;
    case DecisionKind::Attack:
        return state.phase == GamePhase::HumanAttack && d.armies >= 1 && dropKind(g, d.star, d.target) == DropKind::Attack;
    case DecisionKind::Transfer:
        return state.phase == GamePhase::HumanTransfer && d.armies >= 0 && g.isGameStar(state.transferFrom) &&
               g.isGameStar(state.transferTo);
    case DecisionKind::Move:
        return state.phase == GamePhase::HumanAttack && d.armies >= 1 && dropKind(g, d.star, d.target) == DropKind::Move;
    case DecisionKind::EndTurn:
        return state.phase == GamePhase::HumanAttack;
    }
    return false;
}

bool applyDecision(GameState& state, const Decision& d)
{
    if (!isLegal(state, d)) return false;
    // Noted first, as carried out, so that a game it ends closes after it.
    Decision done = d;
    const Galaxy& g = state.galaxy;
    if (d.kind == DecisionKind::Place) done.armies = std::min(d.armies, state.armiesToPlace);
    if (d.kind == DecisionKind::Transfer)
        done.armies = std::max(0, std::min(d.armies, g.gameStars[state.transferFrom].armies));
    if (d.kind == DecisionKind::Move) done.armies = std::min(d.armies, g.gameStars[d.star].armies);
    noteDecision(state, done);
    switch (d.kind) {
    case DecisionKind::Place: placeArmies(state, d.star, d.armies); break;
    case DecisionKind::Attack: fightBattle(state, d.star, d.target, d.armies); break;
    case DecisionKind::Transfer: transferAfterConquest(state, d.armies); break;
    case DecisionKind::Move: moveAndEndTurn(state, d.star, d.target, d.armies); break;
    case DecisionKind::EndTurn: endHumanTurn(state); break;
    }
    return true;
}

std::string decisionText(const Decision& d)
{
    std::string text;
    for (const KindName& k : kindNames)
        if (k.kind == d.kind) text = k.word;
    const int numbers[] = {d.star, d.target, d.armies};
    switch (d.kind) {
    case DecisionKind::Place: return text + ' ' + std::to_string(d.star) + ' ' + std::to_string(d.armies);
    case DecisionKind::Transfer: return text + ' ' + std::to_string(d.armies);
    case DecisionKind::Attack:
    case DecisionKind::Move:
        for (int v : numbers) text += ' ' + std::to_string(v);
        return text;
    case DecisionKind::EndTurn: break;
    }
    return text;
}

bool parseDecision(std::string_view text, Decision& decision)
{
    const size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    for (const KindName& k : kindNames) {
        if (word != k.word) continue;
        int values[3] = {0, 0, 0};
        std::string_view rest = space == std::string_view::npos ? std::string_view{} : text.substr(space);
        for (int i = 0; i < k.numbers; ++i) {
            if (rest.size() < 2 || rest[0] != ' ') return false;
            rest.remove_prefix(1);
            const size_t end = std::min(rest.find(' '), rest.size());
            if (!plainNumber(rest.substr(0, end), values[i])) return false;
            rest.remove_prefix(end);
        }
        if (!rest.empty()) return false;
        Decision d;
        d.kind = k.kind;
        if (k.kind == DecisionKind::Place) {
            d.star = values[0];
            d.armies = values[1];
        } else if (k.kind == DecisionKind::Transfer) {
            d.armies = values[0];
        } else if (k.numbers == 3) {
            d.star = values[0];
            d.target = values[1];
            d.armies = values[2];
        }
        decision = d;
        return true;
    }
    return false;
}
