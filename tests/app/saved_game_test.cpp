// A game kept across runs, through the real handlers: saved at every kind of
// point, the program started again, resumed from the main menu, and played on
// exactly as the game that was never interrupted; and recorded all the while,
// so that its recording replays it turn by turn.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <thread>

#include "ai/game_trace.h"
#include "ai/replay.h"
#include "app/autosave.h"
#include "app/recorder.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/recording.h"
#include "game/rules.h"
#include "game/save_file.h"
#include "screens/board.h"
#include "screens/notices.h"
#include "screens/turn_driver.h"
#include "tools/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> trace;
void record(const Galaxy& g, const AiStepReport& r) { trace.push_back(traceLine(g, r)); }
unsigned fixedSeed() { return 5; }

std::string stateText() { return saveText(gameState, recordingMark()); }

void clickStar(ProgramDriver& program, int s)
{
    program.click(gameState.galaxy.layoutStars[s].x, gameState.galaxy.layoutStars[s].y);
}
void pressChoice(ProgramDriver& program, int k)
{
    const Button& b = *choiceButtons.buttons[k];
    program.click(b.x + b.width / 2, b.y + b.height / 2);
}

// Plays on the same way whatever came before: one army per click on the
// first own star, then "Next Turn"; the transfer moves nothing; each
// elimination is dismissed. Stops the given number of turns on, or at the end.
void playTurns(ProgramDriver& program, int turns)
{
    const int until = gameState.galaxy.turn + turns;
    for (int i = 0; i < 100000 && program.state() != State::win && gameState.galaxy.turn <= until; ++i) {
        const State state = program.state();
        if (state == State::placeHuman) {
            int s = 0;
            while (gameState.galaxy.gameStars[s].owner != 0) ++s;
            clickStar(program, s);
        } else if (state == State::attackHuman) {
            program.click(700, 530);
        } else if (state == State::transferToConquered) {
            pressChoice(program, 0);
        } else if (state == State::killed || state == State::noSupport) {
            program.key(1);
        } else {
            program.frame();
        }
    }
}

std::vector<fs::path> recordingsIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder / "recordings", ec)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Plays the recording again in this process: every turn's figures as recorded.
ReplayResult verified(const fs::path& file)
{
    Recording r;
    std::string why;
    EXPECT_TRUE(readRecordingFile(file.string(), r, why)) << file << ": " << why;
    const ReplayResult got = replayRecording(gameState, r);
    EXPECT_EQ(got.differsAt, 0) << file;
    return got;
}

struct SavedGame : ::testing::Test {
    ProgramDriver program;
    fs::path saves = scratchDir("saves");
    int own = noOwner, enemy = noOwner;

    void SetUp() override
    {
        fs::remove_all(saves);
        program.saveFolder = saves;
    }
    void TearDown() override
    {
        program.stop();
        setAiStepObserver(nullptr);
        fs::remove_all(saves);
    }
    fs::path saveFile() const { return saves / saveFileName; }

    void startGame(bool demo = false)
    {
        ASSERT_TRUE(program.start(scratchDir("savedgame")));
        setTickSource(fixedSeed);
        setAiStepObserver(record);
        startNewGame(builtInGalaxy(), demo);
        if (demo) return;
        ASSERT_TRUE(program.runUntil(State::placeHuman, 200));
        const Galaxy& g = gameState.galaxy;
        for (int i = 0; i < g.slotCount() && enemy == noOwner; ++i)
            for (int j = 0; j < g.slotCount() && enemy == noOwner; ++j)
                if (g.gameStars[i].owner == 0 && g.gameStars[j].owner > 0 && g.isLinked(i, j))
                    own = i, enemy = j;
        ASSERT_NE(enemy, noOwner);
    }
    void placeAll()
    {
        while (program.state() == State::placeHuman) clickStar(program, own);
    }
    // The human's star takes the enemy's, which may be the last of its owner's.
    void conquer(bool last)
    {
        placeAll();
        gameState.galaxy.gameStars[own].armies = 500;
        const int loser = gameState.galaxy.gameStars[enemy].owner;
        for (Star& s : gameState.galaxy.gameStars)
            if (&s != &gameState.galaxy.gameStars[enemy] && s.owner == loser) s.owner = last ? 0 : loser;
        const Star &a = gameState.galaxy.layoutStars[own], &b = gameState.galaxy.layoutStars[enemy];
        program.drag(a.x, a.y, b.x, b.y);
        pressChoice(program, 6);
    }
};

} // namespace

TEST_F(SavedGame, EachKindOfPointResumesAfterARestartAndPlaysOnAsTheUninterruptedGame)
{
    struct Point {
        const char* what;
        std::function<void(SavedGame&)> reach;
        State resumedOn;
        bool inCycle;
    };
    const Point points[] = {
        {"placement half done", [](SavedGame& t) { clickStar(t.program, t.own); }, State::placeHuman, false},
        {"attack phase", [](SavedGame& t) { t.placeAll(); }, State::attackHuman, false},
        {"conquest, transfer pending", [](SavedGame& t) { t.conquer(false); }, State::transferToConquered, false},
        {"elimination not yet announced", [](SavedGame& t) { t.conquer(true); }, State::killed, false},
        {"mid computer cycle",
         [](SavedGame& t) {
             t.placeAll();
             trace.clear();
             t.program.click(700, 530);
             ASSERT_TRUE(t.program.runUntil(State::attackAI, 5000));
             t.program.frames(40);
         },
         State::placeAI, true},
    };
    for (const Point& p : points) {
        SCOPED_TRACE(p.what);
        startGame();
        p.reach(*this);
        waitForSaves();
        const std::string saved = readText(saveFile());
        // What is on the disk is the game now (or, in a cycle, as the cycle began).
        if (!p.inCycle) {
            EXPECT_EQ(saved, stateText());
            trace.clear();
        }
        playTurns(program, 2);
        const std::vector<std::string> uninterrupted = trace;
        const std::string end = stateText();

        // Back to the point: the game played on has saved over it since.
        waitForSaves();
        writeText(saveFile(), saved);
        program.stop(); // as after a kill: only what reached the disk is left
        ASSERT_TRUE(program.start(scratchDir("savedgame")));
        setAiStepObserver(record);
        ASSERT_TRUE(program.runUntil(State::menu, 5000));
        program.key(1); // Escape resumes, as "Resume Game" does
        EXPECT_EQ(program.state(), p.resumedOn);
        EXPECT_EQ(stateText(), saved);
        trace.clear();
        playTurns(program, 2);
        EXPECT_EQ(trace, uninterrupted);
        EXPECT_EQ(stateText(), end);
        program.stop();
        fs::remove_all(saves);
    }
}

TEST_F(SavedGame, ADamagedSaveIsSetAsideAndNeverOverwritten)
{
    fs::create_directories(saves);
    writeText(saves / "savegame.bad", "an older damaged save");
    writeText(saveFile(), "zentory save 1\nturn -1\n");
    ASSERT_TRUE(program.start(scratchDir("savedgame")));
    ASSERT_TRUE(program.runUntil(State::menu, 5000));
    EXPECT_EQ(notices.menuLine, "The saved game could not be read; it was kept as savegame.bad.2");
    EXPECT_EQ(readText(saves / "savegame.bad.2"), "zentory save 1\nturn -1\n");
    EXPECT_EQ(readText(saves / "savegame.bad"), "an older damaged save");
    EXPECT_FALSE(fs::exists(saveFile()));
    program.key(1); // nothing to resume
    EXPECT_EQ(program.state(), State::menu);
}

TEST_F(SavedGame, AFailedWriteIsToldWhileItLastsAndKeepsTheLastGoodSave)
{
    startGame();
    waitForSaves();
    const std::string good = readText(saveFile());
    // The save's own name taken by a folder: every write fails, and the board says so at every frame.
    fs::rename(saveFile(), saves / "kept");
    fs::create_directories(saveFile() / "inside");
    for (int k = 0; k < 2; ++k) {
        clickStar(program, own);
        waitForSaves();
        program.frames(600);
        EXPECT_EQ(notices.panelLine, "Game not saved in " + saves.string() + ": Is a directory");
    }
    EXPECT_EQ(readText(saves / "kept"), good);
}

// Two copies on one folder: the first holds it; the second neither resumes
// nor saves, and says so; the hold ends with the first copy, however it ends.
TEST_F(SavedGame, ASecondCopyOnTheSameFolderLeavesTheSaveAlone)
{
    startGame();
    clickStar(program, own);
    finishSaving();
    const std::string saved = readText(saveFile());
    program.stop();
    // The first copy reports whether it resumed, then holds on until it is killed or this process ends.
    int ready[2], hold[2];
    ASSERT_TRUE(pipe(ready) == 0 && pipe(hold) == 0);
    const pid_t first = fork();
    ASSERT_GE(first, 0);
    if (first == 0) {
        close(hold[1]);
        ProgramDriver copy;
        copy.saveFolder = saves;
        const bool resumed = copy.start(scratchDir("first_copy")) && gameInProgress(gameState);
        char c = resumed ? 'r' : '-';
        if (write(ready[1], &c, 1) == 1 && read(hold[0], &c, 1) < 0) _exit(1);
        _exit(0);
    }
    close(hold[0]);
    char got = 0;
    EXPECT_TRUE(read(ready[0], &got, 1) == 1 && got == 'r');
    ASSERT_TRUE(program.start(scratchDir("savedgame")));
    EXPECT_FALSE(gameInProgress(gameState));
    EXPECT_EQ(notices.menuLine, "Another copy of the game uses " + saves.string() + "; this one will not save");
    startNewGame(builtInGalaxy(), false);
    program.frames(20);
    EXPECT_EQ(notices.panelLine, "Not saved: another copy of the game uses " + saves.string());
    finishSaving();
    EXPECT_EQ(readText(saveFile()), saved);
    kill(first, SIGKILL); // as a crash: the kernel lets go of the folder
    waitpid(first, nullptr, 0);
    ASSERT_TRUE(program.start(scratchDir("savedgame")));
    EXPECT_TRUE(gameInProgress(gameState));
    for (int fd : {ready[0], ready[1], hold[1]}) close(fd);
}

TEST_F(SavedGame, QuittingSavesAtOnceTheEndOfAGameRemovesItsSaveAndDemonstrationsAreNeverSaved)
{
    startGame();
    clickStar(program, own);
    gameState.galaxy.turn = 9; // a change no save has seen yet
    finishSaving();      // as the program does at its end
    EXPECT_EQ(readText(saveFile()), stateText());
    // The enemy's star is the last one not the human's.
    const int loser = gameState.galaxy.gameStars[enemy].owner;
    for (int s = 0; s < gameState.galaxy.slotCount(); ++s)
        if (s != enemy && gameState.galaxy.gameStars[s].owner > 0) gameState.galaxy.gameStars[s].owner = 0;
    for (int p = 0; p < gameState.galaxy.playerCount; ++p) gameState.galaxy.players[p].alive = p == 0 || p == loser;
    conquer(true);
    program.key(1); // past the loser's elimination
    ASSERT_EQ(program.state(), State::win);
    waitForSaves();
    EXPECT_FALSE(fs::exists(saveFile()));

    startGame(true);
    program.frames(200);
    waitForSaves();
    EXPECT_FALSE(fs::exists(saveFile()));
}

TEST_F(SavedGame, AGameQuitMidTurnResumedAndFinishedHasOneRecordingThatVerifies)
{
    startGame();
    gameSpeedDelay = 1;
    playTurns(program, 2); // to the third turn's start
    program.frames(3);
    program.stop(); // quit mid-turn
    ASSERT_TRUE(program.start(scratchDir("savedgame")));
    ASSERT_TRUE(program.runUntil(State::menu, 5000));
    program.key(1);
    gameSpeedDelay = 1;
    playTurns(program, 100000);
    ASSERT_EQ(program.state(), State::win);
    const int turns = gameState.galaxy.turn, winner = gameState.winner;
    program.stop();
    const std::vector<fs::path> files = recordingsIn(saves);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(files[0].filename().string().ends_with("-" + builtInGalaxy().name + ".rec")) << files[0];
    const ReplayResult got = verified(files[0]);
    EXPECT_EQ(got.turns, turns);
    EXPECT_EQ(got.winner, winner);
}

// A recordings folder that cannot be made: the game plays on and says so; a
// new recording beyond the kept number removes the oldest.
TEST_F(SavedGame, RecordingsFolderFaultsAndBound)
{
    fs::create_directories(saves);
    writeText(saves / "recordings", "a file where the folder goes");
    startGame();
    // The writer finds the fault on its own thread; the board hears of it
    // in a later frame.
    for (int k = 0; k < 400 && notices.recordingLine.empty(); ++k) {
        program.frames(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(notices.recordingLine, "Not recording in " + (saves / "recordings").string() + ": Not a directory");
    placeAll();
    EXPECT_EQ(program.state(), State::attackHuman);
    EXPECT_EQ(notices.recordingLine, "Not recording in " + (saves / "recordings").string() + ": Not a directory");
    program.stop();

    fs::remove(saves / "recordings");
    fs::create_directories(saves / "recordings");
    for (int k = 0; k < 100; ++k)
        writeText(saves / "recordings" / ("2000-01-01T" + std::to_string(100000 + k) + "-old.rec"), "old");
    startGame();
    EXPECT_TRUE(notices.recordingLine.empty());
    program.stop();
    const std::vector<fs::path> files = recordingsIn(saves);
    ASSERT_EQ(files.size(), keptRecordings);
    EXPECT_EQ(files[0].filename(), "2000-01-01T100001-old.rec");
    verified(files.back());
}

TEST(SavedDemoGame, StoppedAndResumedByTheMatchRunnerPlaysTheSameTrace)
{
    const fs::path dir = scratchDir("simsave");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string file = (dir / "save").string();
    // The trace lines of a run, and its exit status.
    const auto run = [](const std::string& arguments, int& status) {
        std::string lines;
        FILE* pipe = popen(("'" + std::string(ZENTORY_SIM_PATH) + "' --trace " + arguments + " 2>/dev/null").c_str(), "r");
        char buffer[4096];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe))
            if (std::string(buffer).rfind("turn ", 0) == 0) lines += buffer;
        status = pipe ? pclose(pipe) : -1;
        return lines;
    };
    int status = 0;
    const std::string whole = run("--seed 3 --max-turns 12", status);
    for (int stop : {1, 2, 7}) {
        SCOPED_TRACE(stop);
        const std::string before = run("--seed 3 --stop-at " + std::to_string(stop) + " --save '" + file + "'", status);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(before + run("--max-turns 12 --resume '" + file + "'", status), whole);
        EXPECT_EQ(status, 0);
    }
    std::ofstream(file, std::ios::app) << "\n";
    run("--resume '" + file + "'", status);
    EXPECT_EQ(WEXITSTATUS(status), 2); // a damaged save is refused
    fs::remove_all(dir);
}

// The program killed at random moments while it plays and saves as fast as it
// can: every start finds either no save or a complete one, resumes it, and the
// game only ever goes on from there.
TEST(KilledGame, EveryStartResumesTheLastCompleteSave)
{
    const fs::path saves = scratchDir("killed");
    fs::remove_all(saves);
    fs::create_directories(saves);
    std::mt19937 clock(19);
    const std::string dataFolders = scratchDir("killed_data").string();
    int starts = 0, saved = 0, advanced = 0, previousTurn = -1;
    const auto began = std::chrono::steady_clock::now();
    // ZENTORY_KILL_SECONDS makes the loop longer (a soak); 8 s by default.
    const char* seconds = std::getenv("ZENTORY_KILL_SECONDS");
    const auto budget = std::chrono::seconds(seconds ? std::atoi(seconds) : 8);
    // A slow build (the sanitizers) plays on until the game has gone on three times, within a minute.
    const auto going = [&] {
        const auto spent = std::chrono::steady_clock::now() - began;
        return spent < budget || (advanced < 3 && spent < std::chrono::seconds(60));
    };
    while (going()) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ProgramDriver program;
            program.saveFolder = saves;
            const bool started = program.start(dataFolders + "_" + std::to_string(getpid()));
            const bool resumable = gameInProgress(gameState);
            gameSpeedDelay = 1; // the computer players as fast as the frames go
            if (started && program.runUntil(State::menu, 5000, 500)) {
                if (resumable) {
                    program.key(1);
                } else {
                    startNewGame(builtInGalaxy(), false);
                }
                playTurns(program, 1000);
            }
            _exit(0);
        }
        // Once this start has saved (the game it resumed goes on), at a random moment.
        const auto saveTime = [&] {
            std::error_code ec;
            return fs::last_write_time(saves / saveFileName, ec);
        };
        const fs::file_time_type before = saveTime();
        for (int k = 0; k < 1000 && saveTime() == before; ++k) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        // Past the budget (a slow build), each start is given a second more to go on.
        const bool late = std::chrono::steady_clock::now() - began >= budget;
        std::this_thread::sleep_for(std::chrono::milliseconds(clock() % 300 + (late ? 1000 : 0)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ++starts;
        ASSERT_FALSE(fs::exists(saves / "savegame.bad")) << "start " << starts << " found a damaged save";
        // No save: the game ended (and the next start begins another).
        if (!fs::exists(saves / saveFileName)) {
            previousTurn = -1;
            continue;
        }
        ++saved;
        GameState s;
        std::string why;
        ASSERT_TRUE(readSaveText(readText(saves / saveFileName), s, why)) << why;
        if (previousTurn >= 0) {
            ASSERT_GE(s.galaxy.turn, previousTurn) << "start " << starts << " went back";
            advanced += s.galaxy.turn > previousTurn;
        }
        previousTurn = s.galaxy.turn;
    }
    for (const fs::directory_entry& e : fs::directory_iterator(fs::temp_directory_path()))
        if (e.path().string().rfind(dataFolders, 0) == 0) fs::remove_all(e.path());
    EXPECT_GE(advanced, 3) << "the game hardly went on over " << starts << " starts";
    // Every game, however often killed and resumed, replays as far as it was recorded.
    const std::vector<fs::path> files = recordingsIn(saves);
    EXPECT_FALSE(files.empty());
    for (const fs::path& f : files) verified(f);
    EXPECT_GE(saved, std::max(starts / 2, 4));
    std::printf("%d starts, %d found a save, %d a later turn\n", starts, saved, advanced);
    fs::remove_all(saves);
}
