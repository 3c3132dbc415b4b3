#include "ai/game_trace.h"

#include <string>

std::string traceLine(const Galaxy& g, const AiStepReport& r)
{
    const char* what = nullptr;
    switch (r.kind) {
    case AiStepKind::Placed: what = "place"; break;
    case AiStepKind::Repelled: what = "repelled"; break;
    case AiStepKind::Conquered: what = "conquered"; break;
    default: return {};
    }
    std::string line = "turn " + std::to_string(g.turn) + " player " + std::to_string(r.player) + ' ' + what;
    if (r.kind != AiStepKind::Placed) line += ' ' + std::to_string(r.from) + "->" + std::to_string(r.to);
    line += " |";
    for (size_t i = 0; i < g.gameStars.size(); ++i) {
        const Star& s = g.gameStars[i];
        if (s.active) line += ' ' + std::to_string(i) + ':' + std::to_string(s.owner) + '/' + std::to_string(s.armies);
    }
    line += '\n';
    return line;
}
