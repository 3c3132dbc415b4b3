#include "ai/game_trace.h"

#include <cstdio>

std::string traceLine(const Galaxy& g, const AiStepReport& r)
{
    const char* what = nullptr;
    switch (r.kind) {
    case AiStepKind::Placed: what = "place"; break;
    case AiStepKind::Repelled: what = "repelled"; break;
    case AiStepKind::Conquered: what = "conquered"; break;
    default: return {};
    }
    char buffer[64];
    std::string line;
    std::snprintf(buffer, sizeof buffer, "turn %d player %d %s", g.turn, r.player, what);
    line += buffer;
    if (r.kind != AiStepKind::Placed) {
        std::snprintf(buffer, sizeof buffer, " %d->%d", r.from, r.to);
        line += buffer;
    }
    line += " |";
    for (size_t i = 0; i < g.gameStars.size(); ++i) {
        const Star& s = g.gameStars[i];
        if (!s.active) continue;
        std::snprintf(buffer, sizeof buffer, " %zu:%d/%d", i, s.owner, s.armies);
        line += buffer;
    }
    line += '\n';
    return line;
}
