// The list of recorded games: one row per recording in the player's folder,
// newest first, read once per visit; a row that cannot be read says why and
// its file is left alone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/galaxy.h"
#include "screens/replays.h"
#include "screens/widgets.h"

std::string recordingsFolder;
std::string currentRecordingPath;

namespace {

constexpr int firstRowY = 64;
constexpr int rowHeight = 28;
constexpr int visibleRows = 15;
// Past this many rows the rest is not read: the recorder keeps 100.
constexpr size_t maxRows = 500;

struct ListScreen {
    std::vector<ReplayRow> rows;
    int top = 0;
    // The row in the keyboard's ring, -1 before an arrow chose one.
    int keyRow = -1;
    bool made = false;
    Button back, up, down;
    ButtonSet set;
};
ListScreen list;

std::string seatsText(const std::vector<Seat>& seats)
{
    const auto humans = std::count(seats.begin(), seats.end(), Seat::Human);
    char text[64];
    std::snprintf(text, sizeof text, tr("%d human, %d computer"), static_cast<int>(humans),
                  static_cast<int>(seats.size() - static_cast<size_t>(humans)));
    return text;
}

ReplayRow rowOf(const std::string& path)
{
    ReplayRow row;
    row.path = path;
    Recording r;
    if (!readRecordingFile(path, r, row.error)) {
        if (row.error.empty()) row.error = tr("recording cannot be read");
        return row;
    }
    row.error.clear();
    row.started = r.started;
    row.galaxy = r.galaxy.name;
    row.seats = seatsText(r.seats);
    row.winner = tr("unfinished");
    for (const CourseEntry& e : r.course) {
        if (!e.cycleEnd) continue;
        row.turns = e.turn;
        if (e.winner < 0 || e.winner >= maxPlayers) continue;
        char wins[64];
        std::snprintf(wins, sizeof wins, tr("%s wins"), tr(playerColourNames[e.winner]));
        row.winner = wins;
    }
    return row;
}

void scroll(int step)
{
    const int most = std::max(0, static_cast<int>(list.rows.size()) - visibleRows);
    list.top = std::clamp(list.top + step, 0, most);
}

void backToMenu(int) { setState(State::menu); }

void makeButtons()
{
    list.back = Button(661, 560, tr("menu"), backToMenu, "", 0);
    list.up = Button(752, firstRowY, "", scroll, "arrowUp", -visibleRows);
    list.down = Button(752, firstRowY + visibleRows * rowHeight - 49, "", scroll, "arrowDown", visibleRows);
    for (Button* b : {&list.back, &list.up, &list.down}) list.set.add(*b);
    list.made = true;
}

std::string rowText(const ReplayRow& row)
{
    const std::string name = std::filesystem::path(row.path).filename().string();
    if (!row.error.empty()) return name + ": " + row.error;
    char turns[48];
    std::snprintf(turns, sizeof turns, trn("%d turn", "%d turns", row.turns), row.turns);
    return row.started + "   " + row.galaxy + "   " + row.seats + "   " + row.winner + "   " + turns;
}

int rowUnderPointer()
{
    const int x = static_cast<int>(mouseX()), y = static_cast<int>(mouseY());
    if (x < 16 || x >= 744 || y < firstRowY || y >= firstRowY + visibleRows * rowHeight) return -1;
    const int i = list.top + (y - firstRowY) / rowHeight;
    return i < static_cast<int>(list.rows.size()) ? i : -1;
}

void openRow(ReplayRow& row)
{
    Recording r;
    std::string why;
    // Read again: the list keeps summaries only, and the file may have changed.
    if (!readRecordingFile(row.path, r, why)) {
        row.error = why;
        return;
    }
    openReplayViewer(r, std::filesystem::path(row.path).filename().string(), State::replays);
}

// While no button has the keyboard's focus, the arrows move a ring over the
// rows, the list scrolling to keep it in sight; before the rows are drawn.
void moveRowRing()
{
    const int count = static_cast<int>(list.rows.size());
    if (count == 0) return;
    keyFocus.screenCursor = true;
    if (buttonHasFocus()) return;
    if (wasKeyPressed(keys::up)) list.keyRow = std::max(list.keyRow - 1, 0);
    if (wasKeyPressed(keys::down)) list.keyRow = std::min(list.keyRow + 1, count - 1);
    if (list.keyRow < 0) return;
    list.keyRow = std::min(list.keyRow, count - 1);
    list.top = std::clamp(list.top, list.keyRow - visibleRows + 1, list.keyRow);
}

// The ring drawn over the rows, and Enter opening its row.
void runRowRing()
{
    if (list.keyRow < 0 || list.keyRow >= static_cast<int>(list.rows.size()) || buttonHasFocus()) return;
    drawFocusRing(16, firstRowY + (list.keyRow - list.top) * rowHeight, 728, rowHeight - 2);
    ReplayRow& row = list.rows[static_cast<size_t>(list.keyRow)];
    if (row.error.empty() && (takeKeyPress(keys::enter) || takeKeyPress(keys::keypadEnter))) openRow(row);
}

} // namespace

std::vector<ReplayRow> listRecordings(const std::string& folder)
{
    namespace fs = std::filesystem;
    struct Found {
        fs::file_time_type time;
        std::string path;
    };
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() != ".rec" || !it->is_regular_file(ec)) continue;
        found.push_back({it->last_write_time(ec), it->path().string()});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    if (found.size() > maxRows) found.resize(maxRows);
    std::vector<ReplayRow> rows;
    for (const Found& f : found) rows.push_back(rowOf(f.path));
    return rows;
}

const std::vector<ReplayRow>& replayRows() { return list.rows; }

void openReplaysList(int)
{
    list.rows = recordingsFolder.empty() ? std::vector<ReplayRow>{} : listRecordings(recordingsFolder);
    list.top = 0;
    list.keyRow = -1;
    setState(State::replays);
}

void replaysListScreen(int)
{
    if (!list.made) makeButtons();
    drawImage(0, 0, "background");
    moveRowRing();
    drawText(16, 16, 255, 255, 255, tr("Replays"), 24, false);
    if (list.rows.empty())
        drawTextInBox(16, firstRowY, 720, rowHeight, 255, 255, 255, tr("No recorded games yet."), true);
    const int hovered = rowUnderPointer();
    for (int i = 0; i < visibleRows && list.top + i < static_cast<int>(list.rows.size()); ++i) {
        const ReplayRow& row = list.rows[static_cast<size_t>(list.top + i)];
        const int y = firstRowY + i * rowHeight;
        const bool readable = row.error.empty();
        if (list.top + i == hovered && readable) fillRect(16, y, 728, rowHeight - 2, 40, 60, 110);
        drawTextCutToBox(20, y + 4, 720, rowHeight - 8, 255, readable ? 255 : 140, readable ? 255 : 120,
                         rowText(row).c_str(), true);
    }
    const bool more = static_cast<int>(list.rows.size()) > visibleRows;
    list.up.setActive(more && list.top > 0);
    list.down.setActive(more && list.top + visibleRows < static_cast<int>(list.rows.size()));
    list.set.run(0);
    runRowRing();
    if (hovered >= 0 && leftButtonPressed() && list.rows[static_cast<size_t>(hovered)].error.empty())
        openRow(list.rows[static_cast<size_t>(hovered)]);
    else if (wasKeyPressed(keys::escape))
        setState(State::menu);
}

void resetReplaysListForTests() { list = ListScreen{}; }
