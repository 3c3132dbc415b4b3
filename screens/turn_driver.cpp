// The computer players' turns on screen: the turn stepper (turn_sequence.h)
// paced by two timers, so that the player can follow every placement and
// every battle round; and the expert's turn, one decision per pause. The
// stepper and the decisions hold the rules; this file only decides when the
// next step is due and what the panel shows meanwhile.
#include "screens/turn_driver.h"

#include <algorithm>
#include <string>

#include "engine/draw_text.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "ai/seat_play.h"
#include "game/decide.h"
#include "game/galaxy.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "game/seats.h"
#include "screens/core_texts.h"
#include "screens/end_and_stats.h"
#include "screens/event_log.h"
#include "screens/galaxy_draw.h"
#include "screens/marks.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/widgets.h"

namespace {

// A frame after a long stall counts as this long at most, so that the timers
// cannot overflow; one step per frame is all the driver ever takes anyway.
constexpr int longestFrameMs = 60000;

// The player whose turn runs, the attack and the attackers still fighting.
AiTurns& aiTurns = gameState.computerTurns;
bool phaseStarted = false;
bool placementDone = false;
// Counts down to the next placement or attack choice; stands still in a battle.
int pauseTimer = 0;
// Counts down to the next battle round.
int stepTimer = 0;
ButtonSet aiButtons;
Button aiMenuButton, aiSkipButton;
Button aiLogButton;
AiStepObserver stepObserver = nullptr;

int pauseMs() { return 5 * gameSpeedDelay; }

int frameMs(int elapsedMs) { return std::clamp(elapsedMs, 0, longestFrameMs); }

AiStepReport step()
{
    const AiStepReport report = stepComputerTurns(gameState);
    if (stepObserver) stepObserver(gameState.galaxy, report);
    return report;
}

// Off the board go the placement's labels and the battle's.
void clearLabels()
{
    aiTurns.labels.clear();
    boardView.labelledStar = noOwner;
    boardView.label.clear();
}

// The first frame of a placement or attack phase: its first step is due at once.
void startPhaseOnce()
{
    if (phaseStarted) return;
    phaseStarted = true;
    placementDone = false;
    pauseTimer = -5;
    clearLabels();
}

bool expertPlays()
{
    const GamePhase phase = gameState.phase;
    const bool deciding = phase == GamePhase::HumanPlacement || phase == GamePhase::HumanAttack ||
                          phase == GamePhase::HumanTransfer;
    return deciding && seatOf(gameState, gameState.turnPlayer) == Seat::Expert;
}

// The expert's next decision; one it may not make ends its turn, so that a
// fault of the expert's cannot hold the game up. False when neither could
// be made (the turn stands still, and a skip stops there).
bool expertStep(Decision& d)
{
    const int p = gameState.turnPlayer;
    d = seatDecision(gameState, p);
    if (applyDecision(gameState, d)) return true;
    d = Decision{DecisionKind::EndTurn, p};
    return applyDecision(gameState, d);
}

// Until a human has to act (or the cycle ends): the same steps and decisions
// as the paced frames take, in the same order, so the game, its draws and its
// journal are those of the paced game. Eliminations met on the way are
// announced afterwards.
void skipComputerTurns(int)
{
    for (;;) {
        if (gameState.phase == GamePhase::ComputerTurns && aiTurns.phase == AiPhase::CycleDone) {
            // A deciding seat's turn is over: the computer turns walk on after it.
            beginComputerTurns(gameState);
        } else if (gameState.phase == GamePhase::ComputerTurns) {
            if (step().kind == AiStepKind::None) break;
        } else if (Decision d; !expertPlays() || !expertStep(d)) {
            break;
        }
    }
    phaseStarted = false;
    clearLabels();
    announceOrGo(stateAfterComputerTurns(gameState));
}

void makeButtons()
{
    if (!aiButtons.buttons.empty()) return;
    aiSkipButton = Button(661, 506, tr("skip"), skipComputerTurns, "", passFrameValue);
    aiMenuButton = Button(661, 531, tr("menu"), menuFromComputerTurn, "", passFrameValue);
    aiButtons.add(aiSkipButton);
    aiButtons.add(aiMenuButton);
    aiLogButton = makeEventLogButton(20, 531);
    aiButtons.add(aiLogButton);
}

// Called last in a frame: a skip or the menu leaves the state the frame ran.
void finishFrame(int elapsedMs)
{
    const State ran = currentState();
    aiButtons.run(elapsedMs);
    if (currentState() != ran) return;
    if (runEventLog()) return;
    if (wasKeyPressed(keys::escape))
        menuFromComputerTurn(0);
    else if (wasKeyPressed(keys::space))
        skipComputerTurns(0);
}

// The cycle ended or the game is decided without a conquest in this frame
// (a galaxy that left a single player with stars): leave the computer turns.
void leaveFinishedCycle()
{
    phaseStarted = false;
    if (gameState.phase == GamePhase::Over)
        announceOrGo(boardStateFor(gameState));
    else
        setState(stateAfterComputerTurns(gameState));
}

} // namespace

void setAiStepObserver(AiStepObserver observer) { stepObserver = observer; }

void drawAIScreen(int elapsedMs)
{
    drawPlayScreen(elapsedMs);
    if (isDemo(gameState)) drawTextInBox(79, 521, 511, 59, 255, 255, 255, tr("Demo Running"), false);
    // Whose turn it is, in its colour, under the "menu" button: free panel
    // in a game and in the demonstration game alike.
    const int p = expertPlays() ? gameState.turnPlayer : aiTurns.currentPlayer;
    const bool moving = expertPlays() || (aiTurns.phase != AiPhase::CycleDone && aiTurns.phase != AiPhase::GameOver);
    if (moving && p >= 0 && p < maxPlayers) {
        const Rgb c = playerColours[p];
        const int markRoom = showMarks ? 16 : 0;
        if (showMarks) drawPlayerMark(p, 645, 563, 11);
        drawTextInBox(641 + markRoom, 555, 159 - markRoom, 28, c.r, c.g, c.b,
                      computerPlayerName(playerColourNames[p]).c_str(), false);
    }
}

void startAIScreen(int elapsedMs)
{
    makeButtons();
    drawAIScreen(elapsedMs);
    beginComputerTurns(gameState);
    phaseStarted = false;
    if (aiTurns.phase == AiPhase::Place)
        setState(State::placeAI);
    else
        leaveFinishedCycle();
    finishFrame(elapsedMs);
}

void placeAIScreen(int elapsedMs)
{
    const int elapsed = frameMs(elapsedMs);
    makeButtons();
    drawAIScreen(elapsed);
    startPhaseOnce();
    pauseTimer -= elapsed;
    if (placementDone && pauseTimer < 0) {
        phaseStarted = false;
        pauseTimer = pauseMs();
        setState(State::attackAI);
        clearLabels();
    }
    if (pauseTimer < 0) {
        // The labels of the placement ("4+3") stay on the board for one pause.
        if (aiTurns.phase == AiPhase::Place) step();
        placementDone = true;
        pauseTimer = pauseMs();
    }
    finishFrame(elapsed);
}

void attackAIScreen(int elapsedMs)
{
    const int elapsed = frameMs(elapsedMs);
    makeButtons();
    drawAIScreen(elapsed);
    startPhaseOnce();
    bool conquered = false;
    if (aiTurns.battleAttackers < 1) {
        pauseTimer -= elapsed;
    } else {
        stepTimer -= elapsed;
        // The battle as it stands before the round, shown until the next frame.
        boardView.labelledStar = aiTurns.attackTo;
        boardView.label = battleLabel(gameState);
        if (stepTimer < 0) {
            // One round per frame at most: after a stall the battle goes on at
            // its pace instead of being fought out unseen.
            const AiStepReport report = step();
            conquered = report.kind == AiStepKind::Conquered;
            stepTimer = gameSpeedDelay;
        }
    }
    if (!conquered) {
        if (pauseTimer < 0 && aiTurns.battleAttackers < 1) {
            pauseTimer = pauseMs();
            clearLabels();
            if (aiTurns.phase != AiPhase::ChooseAttack) {
                leaveFinishedCycle();
            } else if (step().kind == AiStepKind::TurnOver) {
                phaseStarted = false;
                if (aiTurns.phase == AiPhase::Place)
                    setState(State::placeAI);
                else
                    leaveFinishedCycle();
            } else {
                stepTimer = gameSpeedDelay;
            }
        }
    } else {
        announceOrGo(State::attackAI);
    }
    finishFrame(elapsed);
}

void expertTurnScreen(int elapsedMs)
{
    const int elapsed = frameMs(elapsedMs);
    makeButtons();
    drawAIScreen(elapsed);
    startPhaseOnce();
    pauseTimer -= elapsed;
    if (pauseTimer < 0 && expertPlays()) {
        clearLabels();
        boardView.selectedStar = noOwner;
        Decision d;
        expertStep(d);
        // Shown like a computer player's step: the placement beside its
        // star, the attack's target selected.
        if (d.kind == DecisionKind::Place) {
            boardView.labelledStar = d.star;
            boardView.label = "+" + std::to_string(d.armies);
        } else if (d.kind == DecisionKind::Attack) {
            boardView.selectedStar = d.target;
        }
        pauseTimer = pauseMs();
    }
    if (!expertPlays() && currentState() == State::expertTurn) {
        phaseStarted = false;
        clearLabels();
        boardView.selectedStar = noOwner;
        // After its turn the computer turns go on from the next player.
        announceOrGo(gameState.phase == GamePhase::ComputerTurns ? State::startAI : stateAfterComputerTurns(gameState));
    } else if (nextUnannounced(gameState) != noOwner) {
        announceOrGo(State::expertTurn);
    }
    finishFrame(elapsed);
}

void resetTurnDriverForTests()
{
    gameState.computerTurns = AiTurns{};
    boardView = BoardView{};
    phaseStarted = placementDone = false;
    pauseTimer = stepTimer = 0;
    aiButtons = ButtonSet{};
    aiMenuButton = aiSkipButton = aiLogButton = Button{};
    stepObserver = nullptr;
}
