// A recording played back on the board, on a game state of the viewer's own:
// computer turns paced as the turn driver paces them, the human's decisions
// applied one by one with a pause, and every turn cycle checked against the
// recording, so that a replay that goes otherwise stops where it does.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ai/replay.h"
#include "game/seats.h"
#include "ai/turn_sequence.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/course.h"
#include "game/decide.h"
#include "game/galaxy.h"
#include "game/human_turn.h"
#include "screens/core_texts.h"
#include "screens/event_log.h"
#include "screens/galaxy_draw.h"
#include "screens/graph.h"
#include "screens/replays.h"
#include "screens/screens.h"
#include "screens/widgets.h"

namespace {

// A frame after a long stall counts as this long at most.
constexpr int longestFrameMs = 60000;

struct Viewer {
    Recording recording;
    std::string title;
    State back = State::replays;
    GameState game;
    BoardView view;
    size_t next = 0; // the course entry the replay must produce next
    int lastTurn = 0;
    int differsAt = 0;
    bool ended = false;
    bool paused = false;
    bool computersBegun = false;
    int timer = 0;
    char target[8] = {};
    bool made = false;
    // Over the board: the course up to the turn shown, or the last cycle's conquests.
    bool showGraph = false;
    bool showLog = false;
    Button pause, nextTurn, minus, plus, jump, graph, log, menu;
    ButtonSet set;
};
Viewer viewer;

bool humanPhase(GamePhase p)
{
    return p == GamePhase::HumanPlacement || p == GamePhase::HumanAttack || p == GamePhase::HumanTransfer;
}

bool stopped() { return viewer.ended || viewer.differsAt != 0; }

// What the step noted must be what the recording says.
void compareWithRecording()
{
    const std::vector<CourseEntry>& course = viewer.recording.course;
    for (const CourseEntry& e : drainJournal(viewer.game)) {
        if (viewer.next == course.size()) break;
        if (!(e == course[viewer.next])) {
            viewer.differsAt = std::max(course[viewer.next].turn, 1);
            return;
        }
        ++viewer.next;
    }
    if (viewer.next == course.size()) viewer.ended = true;
}

// One step of the game; returns how long its result stays on the board.
int advance()
{
    GameState& g = viewer.game;
    const std::vector<CourseEntry>& course = viewer.recording.course;
    if (stopped()) return 0;
    if (viewer.next >= course.size()) {
        viewer.ended = true;
        return 0;
    }
    const CourseEntry& want = course[viewer.next];
    int shownMs = 5 * gameSpeedDelay;
    if (g.phase == GamePhase::TurnStart) {
        startTurnCycle(g);
    } else if (g.phase == GamePhase::ComputerTurns) {
        if (!viewer.computersBegun) {
            beginComputerTurns(g);
            viewer.computersBegun = true;
        } else {
            stepComputerTurns(g);
            if (g.computerTurns.battleAttackers > 0) shownMs = gameSpeedDelay;
        }
    } else if (!humanPhase(g.phase) || want.cycleEnd || !applyDecision(g, want.decision)) {
        viewer.differsAt = std::max(want.turn, 1);
        return 0;
    }
    if (g.phase != GamePhase::ComputerTurns) viewer.computersBegun = false;
    compareWithRecording();
    return shownMs;
}

void restart()
{
    viewer.game = GameState{};
    startRecordedGame(viewer.game, viewer.recording);
    viewer.view = BoardView{};
    viewer.next = 0;
    viewer.differsAt = 0;
    viewer.ended = viewer.computersBegun = false;
    viewer.timer = 0;
}

bool atStartOf(int turn) { return viewer.game.galaxy.turn >= turn && viewer.game.phase != GamePhase::TurnStart; }

// Without pacing, to the start of the turn (its first decision or step): from
// where the replay stands when that lies ahead, else from the beginning.
void jumpTo(int turn)
{
    turn = std::max(turn, 1);
    if (atStartOf(turn) || stopped()) restart();
    while (!stopped() && !atStartOf(turn)) advance();
    viewer.timer = 5 * gameSpeedDelay;
}

int targetTurn() { return std::atoi(viewer.target); }

void setTarget(int turn)
{
    std::snprintf(viewer.target, sizeof viewer.target, "%d", std::clamp(turn, 1, std::max(viewer.lastTurn, 1)));
}

void togglePause(int) { viewer.paused = !viewer.paused; }
void nextTurnAction(int) { jumpTo(viewer.game.galaxy.turn + 1); }
void stepTarget(int step) { setTarget(targetTurn() + step); }
void jumpAction(int) { jumpTo(targetTurn()); }

void leave(int)
{
    const State back = viewer.back;
    // The recording and its game can be large: nothing is kept once left.
    viewer.recording = Recording{};
    viewer.game = GameState{};
    setState(back);
}

void toggleGraph(int)
{
    viewer.showGraph = !viewer.showGraph;
    viewer.showLog = false;
}

void toggleLog(int)
{
    viewer.showLog = !viewer.showLog;
    viewer.showGraph = false;
}

void makeButtons()
{
    viewer.pause = Button(20, 540, "", togglePause, "", 0);
    viewer.nextTurn = Button(150, 540, tr("next turn"), nextTurnAction, "", 0);
    viewer.minus = Button(290, 540, "", stepTarget, "decArrow", -1);
    viewer.plus = Button(370, 540, "", stepTarget, "incArrow", 1);
    viewer.jump = Button(400, 540, tr("go to turn"), jumpAction, "", 0);
    viewer.graph = Button(530, 540, tr("graph"), toggleGraph, "", 0);
    viewer.log = Button(661, 535, tr("Log"), toggleLog, "", 0);
    viewer.menu = Button(661, 560, tr("menu"), leave, "", 0);
    for (Button* b : {&viewer.pause, &viewer.nextTurn, &viewer.minus, &viewer.plus, &viewer.jump, &viewer.graph,
                      &viewer.log, &viewer.menu})
        viewer.set.add(*b);
    viewer.made = true;
}

// Whose move it is, in that player's colour.
void drawMover()
{
    const GameState& g = viewer.game;
    int p = noOwner;
    if (g.phase == GamePhase::ComputerTurns && viewer.computersBegun) p = g.computerTurns.currentPlayer;
    if (humanPhase(g.phase)) p = 0;
    if (p < 0 || p >= maxPlayers) return;
    const Rgb c = playerColours[static_cast<size_t>(p)];
    const bool human = static_cast<size_t>(p) < viewer.recording.seats.size() &&
                       viewer.recording.seats[static_cast<size_t>(p)] == Seat::Human;
    char text[96];
    std::snprintf(text, sizeof text, human ? tr("%s (human)") : "%s", human ? tr(playerColourNames[p])
                                                                           : computerPlayerName(playerColourNames[p]).c_str());
    drawTextCutToBox(470, 506, 170, 22, c.r, c.g, c.b, text, true);
}

void drawPanel()
{
    char text[160];
    std::snprintf(text, sizeof text, tr("turn %d of %d"), viewer.game.galaxy.turn, viewer.lastTurn);
    drawTextCutToBox(20, 506, 200, 22, 255, 255, 255, text, true);
    drawTextCutToBox(230, 506, 230, 22, 200, 200, 200, viewer.title.c_str(), true);
    drawMover();
    if (viewer.differsAt) {
        std::snprintf(text, sizeof text, tr("made by version %s: differs at turn %d"),
                      viewer.recording.version.c_str(), viewer.differsAt);
        drawTextCutToBox(20, 570, 620, 22, 255, 120, 100, text, true);
    } else if (viewer.ended) {
        drawTextCutToBox(20, 570, 620, 22, 255, 255, 255, tr("end of the recording"), true);
    }
    fillRect(314, 540, 52, 20, 20, 30, 60);
    drawTextCutToBox(316, 540, 48, 20, 255, 255, 255, viewer.target, false);
}

} // namespace

void openReplayViewer(const Recording& recording, const std::string& title, State back)
{
    viewer.recording = recording;
    viewer.title = title;
    viewer.back = back;
    viewer.lastTurn = 0;
    for (const CourseEntry& e : recording.course)
        if (e.cycleEnd) viewer.lastTurn = e.turn;
    viewer.paused = false;
    const unsigned changesBefore = gameChanges;
    restart();
    gameChanges = changesBefore;
    setTarget(1);
    setState(State::replayView);
}

void openReplayOfCurrentGame()
{
    Recording r;
    std::string why;
    if (!currentRecordingPath.empty() && readRecordingFile(currentRecordingPath, r, why)) {
        openReplayViewer(r, tr("this game"), currentState());
        return;
    }
    for (const ReplayRow& row : listRecordings(recordingsFolder)) {
        if (!row.error.empty() || row.galaxy != gameState.galaxy.name || !readRecordingFile(row.path, r, why)) continue;
        const bool demo = std::find(r.seats.begin(), r.seats.end(), Seat::Human) == r.seats.end();
        if (r.difficulty == gameState.difficulty && demo == isDemo(gameState) &&
            static_cast<int>(r.seats.size()) == gameState.galaxy.playerCount) {
            openReplayViewer(r, tr("this game"), currentState());
            return;
        }
    }
}

void replayViewerScreen(int elapsedMs)
{
    // The viewer's steps count as changes of a game; the autosave watches the
    // count for gameState's, which the viewer never touches.
    const unsigned changesBefore = gameChanges;
    if (!viewer.made) makeButtons();
    const int elapsed = std::clamp(elapsedMs, 0, longestFrameMs);
    // One step a frame at most: after a stall the replay goes on at its pace.
    if (!viewer.paused && !stopped()) {
        viewer.timer -= elapsed;
        if (viewer.timer < 0) viewer.timer = advance();
    }
    const GameState& g = viewer.game;
    viewer.view.labelledStar = g.computerTurns.battleAttackers > 0 ? g.computerTurns.attackTo : noOwner;
    viewer.view.label = g.computerTurns.battleAttackers > 0 ? battleLabel(g) : std::string();
    drawImage(0, 0, "bigbar");
    drawImagePart(0, 499, 0, 499, 800, 100, "background");
    drawBoard(g, viewer.view);
    if (viewer.showGraph)
        drawCourseGraph(g.history, g.galaxy.turn, GraphMeasure::Stars, 20, 30, 760, 455);
    if (viewer.showLog) {
        const bool running = g.phase == GamePhase::ComputerTurns;
        drawEventLog(running ? g.events : g.lastEvents, g.galaxy, soleHuman(g),
                     running ? tr("This turn cycle") : tr("Last turn cycle"), 150, 250, 500, 240);
    }
    viewer.pause.label = viewer.paused ? tr("play") : tr("pause");
    viewer.pause.setActive(!stopped());
    viewer.nextTurn.setActive(!stopped());
    drawPanel();
    viewer.set.run(0);
    if (editTextLine(viewer.target, 4)) jumpTo(targetTurn());
    // Digits only: the line editor takes letters too.
    std::string digits;
    for (const char* c = viewer.target; *c; ++c)
        if (*c >= '0' && *c <= '9') digits += *c;
    std::snprintf(viewer.target, sizeof viewer.target, "%s", digits.c_str());
    if (wasKeyPressed(keys::escape)) leave(0);
    gameChanges = changesBefore;
}

const GameState& replayViewerState() { return viewer.game; }
int replayDiffersAt() { return viewer.differsAt; }
bool replayEnded() { return viewer.ended; }

void resetReplaysForTests()
{
    viewer = Viewer{};
    resetReplaysListForTests();
    recordingsFolder.clear();
    currentRecordingPath.clear();
}
