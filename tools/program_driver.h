#pragma once
// The whole program on the headless platform, driven frame by frame with a
// scripted clock, mouse and keyboard, in a scratch copy of the data folder.
// Used by the end-to-end tests, the benchmarks and the screenshot tool.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/autosave.h"
#include "app/registration.h"
#include "app/resources.h"
#include "app/start_up.h"
#include "engine/display.h"
#include "engine/input.h"
#include "engine/main_loop.h"
#include "engine/platform/headless.h"
#include "game/editor_draft.h"
#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/game_state.h"
#include "screens/galaxy_draw.h"
#include "screens/screens.h"
#include "screens/states.h"

struct ProgramDriver {
    std::filesystem::path dataDir;
    std::filesystem::path previousDir;
    // Where the program keeps its saved game; none (no saving) unless set.
    // It outlives the data folder, so that a test can start the program again.
    std::filesystem::path saveFolder;
    bool running = false;

    ~ProgramDriver() { stop(); }

    // Copies the shipped data into `folder` (emptied first; without one, a
    // folder of this process's own among the temporary files), enters it and
    // starts the program; the first frame runs the title. False if the
    // engine did not start. A program still running is stopped first.
    bool start() { return start(std::filesystem::temp_directory_path() / ("zentory_program_" + std::to_string(getpid()))); }
    bool start(const std::filesystem::path& folder)
    {
        namespace fs = std::filesystem;
        stop();
        previousDir = fs::current_path();
        dataDir = folder;
        fs::remove_all(dataDir);
        fs::copy(ZENTORY_SOURCE_DATA_DIR, dataDir, fs::copy_options::recursive);
        fs::remove(dataDir / "svol.lst");
        fs::remove(dataDir / "mvol.lst");
        fs::current_path(dataDir);
        running = true;
        resetProcessState();
        useSaveFolder(saveFolder.string());
        useDraftFolder(saveFolder.string());
        configureProgram();
        takeBuiltinImageList(listBuiltinImages);
        if (!startEngine()) return false;
        frame();
        return true;
    }

    // Engine, states, input, screens, the three galaxies and the platform as
    // in a fresh process.
    static void resetProcessState()
    {
        resetEngineForTests();
        resetStatesForTests();
        resetInputForTests();
        resetAllScreensForTests();
        gameState = GameState{};
        previewGalaxy.reset();
        editorGalaxy.reset();
        headlessReset();
    }

    // Shuts the program down and puts back the process-wide state it changed,
    // so that tests after it in the same process start as from a fresh one.
    void stop()
    {
        namespace fs = std::filesystem;
        if (!running) return;
        running = false;
        shutdownEngine();
        resetProcessState();
        fs::current_path(previousDir);
        std::error_code ec;
        fs::remove_all(dataDir, ec);
    }

    // Handles the queued events, then runs one frame ms after the last one.
    void frame(uint32_t ms = 16)
    {
        headlessAdvance(ms);
        int before = headlessPresentCount();
        for (int guard = 0; guard < 10000 && headlessPresentCount() == before; ++guard)
            if (!engineTurn()) return;
    }
    void frames(int count, uint32_t ms = 16) { for (int i = 0; i < count; ++i) frame(ms); }
    // Runs frames until the state is `name` or the time runs out; true if reached.
    bool runUntil(State name, int maxMs, uint32_t ms = 16)
    {
        for (int t = 0; t <= maxMs && currentState() != name; t += static_cast<int>(ms)) frame(ms);
        return currentState() == name;
    }

    void moveTo(int x, int y) { headlessPushMouse(PlatformEventType::mouseMove, x, y); }
    void press(int x, int y)
    {
        moveTo(x, y);
        headlessPushMouse(PlatformEventType::mouseButtonDown, x, y);
    }
    void release(int x, int y) { headlessPushMouse(PlatformEventType::mouseButtonUp, x, y); }
    // A click: the button goes down in one frame and up in the next.
    void click(int x, int y)
    {
        press(x, y);
        frame();
        release(x, y);
        frame();
    }
    void rightClick(int x, int y)
    {
        moveTo(x, y);
        headlessPushMouse(PlatformEventType::mouseButtonDown, x, y, 3);
        headlessPushMouse(PlatformEventType::mouseButtonUp, x, y, 3);
        frame();
    }
    // Presses the button at `from`, moves in steps to `to` with a frame each,
    // and releases it there.
    void drag(int fromX, int fromY, int toX, int toY, int steps = 4)
    {
        press(fromX, fromY);
        frame();
        for (int i = 1; i <= steps; ++i) {
            moveTo(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
            frame();
        }
        release(toX, toY);
        frame();
    }
    // A key (set-1 code) held for one frame.
    void key(int code)
    {
        headlessPushKey(code, true);
        frame();
        headlessPushKey(code, false);
        frame();
    }

    State state() const { return currentState(); }
    uint32_t pixel(int x, int y) const { return headlessLastFrame().at(x, y); }
    // The pixels of a rectangle, row by row, every `step`-th in each direction.
    std::vector<uint32_t> pixels(int x, int y, int width, int height, int step = 1) const
    {
        std::vector<uint32_t> out;
        for (int py = y; py < y + height; py += step)
            for (int px = x; px < x + width; px += step) out.push_back(pixel(px, py));
        return out;
    }
};
