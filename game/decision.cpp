#include "game/decision.h"

#include <algorithm>
#include <charconv>

namespace {

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
