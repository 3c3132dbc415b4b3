// Feeds arbitrary text to the saved-game reader, both as it is and sealed with
// a correct sum (so that the checks behind the sum are reached), then plays on
// with whatever it accepted: a save the reader lets through must be a game
// the rules can go on with, and must write back to a save it reads again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ai/turn_sequence.h"
#include "game/human_turn.h"
#include "game/save_file.h"

namespace {

void playOn(GameState& s)
{
    Galaxy& g = s.galaxy;
    const int n = g.slotCount();
    switch (s.phase) {
    case GamePhase::TurnStart: startTurnCycle(s); break;
    case GamePhase::HumanPlacement:
        for (int i = 0; i < n && i < 32; ++i) placeArmies(s, i, 2);
        break;
    case GamePhase::HumanAttack:
        for (int i = 0; i < n && i < 32; ++i)
            for (int j = 0; j < n && j < 32; ++j)
                if (dropKind(g, s.turnPlayer, i, j) == DropKind::Attack) fightBattle(s, i, j, 5);
        break;
    case GamePhase::HumanTransfer: transferAfterConquest(s, 1); break;
    case GamePhase::ComputerTurns:
        beginComputerTurns(s);
        for (int k = 0; k < 3000 && s.phase == GamePhase::ComputerTurns; ++k) stepComputerTurns(s);
        break;
    default: break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    GameState s;
    std::string why;
    readSaveText(text, s, why);
    if (!readSaveText(sealSaveText(text), s, why)) return 0;

    // Written again, it reads back to the same text.
    const std::string again = saveText(s);
    GameState t;
    if (!readSaveText(again, t, why) || saveText(t) != again) __builtin_trap();

    for (int k = 0; k < 4; ++k) playOn(t);
    return 0;
}
