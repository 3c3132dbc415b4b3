#include "game/recording.h"

#include "game/seats.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string_view>

#include "base/file_read.h"
#include "game/course.h"
#include "game/galaxy_file.h"

#ifndef ZENTORY_VERSION
#define ZENTORY_VERSION "unknown"
#endif

namespace {

constexpr std::string_view formatPrefix = "zentory recording ";
// Longest version, start time and galaxy name kept.
constexpr size_t maxWordsBytes = 256;

std::string real(double v)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// Free text on one line: control bytes would break the line, so they go.
std::string oneLine(const std::string& text)
{
    std::string out = text.substr(0, maxWordsBytes);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    return out;
}

void addNumbers(std::string& out, const std::vector<int>& values)
{
    for (int v : values) out += ' ' + std::to_string(v);
}

// The whole lines of the text, read one by one; the first fault stops it.
struct Lines {
    std::string_view text;
    size_t pos = 0;
    int number = 0;
    std::string why;

    bool more() const { return pos < text.size(); }
    std::string_view next()
    {
        const size_t end = text.find('\n', pos);
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        return line;
    }
    bool fail(const std::string& reason)
    {
        if (why.empty()) why = reason;
        return false;
    }
    // The next header line "<word> <rest>"; rest is what follows the space.
    bool field(std::string_view word, std::string_view& rest)
    {
        if (!why.empty()) return false;
        if (!more()) return fail("the header is cut short");
        const std::string_view line = next();
        if (!line.starts_with(word) || line.size() < word.size() + 1 || line[word.size()] != ' ')
            return fail("line " + std::to_string(number) + ": expected " + std::string(word));
        rest = line.substr(word.size() + 1);
        return rest.size() <= maxWordsBytes || fail("line " + std::to_string(number) + " is too long");
    }
};

// Space-separated tokens of one line, read strictly.
struct Words {
    std::string_view rest;
    bool ok = true;

    std::string_view token()
    {
        const size_t end = rest.find(' ');
        const std::string_view t = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (t.empty()) ok = false;
        return t;
    }
    long long integer(long long low, long long high)
    {
        const std::string_view t = token();
        long long v = 0;
        const auto [stop, error] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (t.empty() || error != std::errc() || stop != t.data() + t.size() || v < low || v > high) ok = false;
        return ok ? v : 0;
    }
    double finite()
    {
        const std::string_view t = token();
        double v = 0;
        const auto [stop, error] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (t.empty() || error != std::errc() || stop != t.data() + t.size() || !std::isfinite(v)) ok = false;
        return ok ? v : 0.0;
    }
    bool done() const { return ok && rest.empty(); }
};

// The galaxy block: it must be exactly what the writer makes of the galaxy
// it reads as, so that no token is taken leniently.
bool readGalaxyBlock(Lines& in, Galaxy& g, size_t players)
{
    if (!in.more()) return in.fail("the header is cut short");
    const std::string_view first = in.next();
    Words head{first};
    const long long count = head.integer(minPlayers, maxPlayers);
    const long long n = head.integer(1, maxFileStars);
    if (!head.done() || static_cast<size_t>(count) != players) return in.fail("the galaxy's size is wrong");
    const size_t start = in.pos - first.size() - 1;
    for (long long k = 0; k < 2 * n + 1; ++k) {
        if (!in.more()) return in.fail("the header is cut short");
        in.next();
    }
    const std::string block(in.text.substr(start, in.pos - start));
    std::istringstream read(block);
    std::ostringstream again;
    if (!g.readFrom(read)) return in.fail("the galaxy cannot be read");
    writeGalaxyText(again, g);
    if (again.str() + '\n' != block) return in.fail("the galaxy is damaged");
    for (const Star& s : g.gameStars) {
        const bool owned = s.owner >= 0 && s.owner < g.playerCount;
        if (s.active && (!owned || s.armies < 0 || s.armies > maxRecordedArmies))
            return in.fail("a star's owner or armies are out of range");
    }
    return true;
}

bool readHeader(Lines& in, Recording& r)
{
    std::string_view rest;
    if (in.field("version", rest)) r.version = rest;
    if (in.field("started", rest)) r.started = rest;
    if (in.field("difficulty", rest)) {
        Words w{rest};
        r.difficulty = static_cast<int>(w.integer(0, 4));
        if (!w.done()) return in.fail("the difficulty is out of range");
    }
    if (in.field("seats", rest)) {
        Words w{rest};
        while (w.ok && !w.rest.empty() && r.seats.size() < maxPlayers) {
            Seat seat{};
            if (!parseSeatWord(w.token(), seat)) w.ok = false;
            r.seats.push_back(seat);
        }
        if (!w.done() || r.seats.size() < minPlayers) return in.fail("the seats are not understood");
    }
    if (in.field("random", rest)) {
        Words w{rest};
        r.random = static_cast<uint32_t>(w.integer(0, UINT32_MAX));
        if (!w.done()) return in.fail("the generator's state is not a number");
    }
    if (in.field("name", rest)) r.galaxy.name = rest;
    if (in.field("minimumIncome", rest)) {
        Words w{rest};
        r.galaxy.minimumIncome = w.finite();
        // A deal's minimum is 0.6 of the galaxy's income shared by one player fewer.
        if (!w.done() || r.galaxy.minimumIncome < 0 || r.galaxy.minimumIncome > 7.0 * maxFileStars)
            return in.fail("the minimum income is out of range");
    }
    if (in.field("caution", rest)) {
        Words w{rest};
        r.galaxy.players.assign(r.seats.size(), Player{1, 0.0});
        // A deal draws caution between 2 and 5.33.
        for (Player& p : r.galaxy.players) {
            p.caution = w.finite();
            if (p.caution < 0 || p.caution > 10) w.ok = false;
        }
        if (!w.done()) return in.fail("the players' caution is out of range");
    }
    if (!in.why.empty()) return false;
    if (!in.more() || in.next() != "galaxy") return in.fail("the header is cut short or damaged at the galaxy");
    if (!readGalaxyBlock(in, r.galaxy, r.seats.size())) return false;
    if (!in.more() || in.next() != "course") return in.fail("the header is cut short or damaged at the course");
    return true;
}

bool readCourse(Lines& in, Recording& r)
{
    const int players = static_cast<int>(r.seats.size());
    int lastTurnLine = 0;
    bool over = false;
    while (in.more()) {
        const std::string_view line = in.next();
        const std::string at = "line " + std::to_string(in.number) + ": ";
        if (over) return in.fail(at + "text after the winner");
        Words w{line};
        const std::string_view word = w.token();
        CourseEntry e;
        if (word == "decision") {
            e.turn = static_cast<int>(w.integer(lastTurnLine + 1LL, INT_MAX));
            const int seat = static_cast<int>(w.integer(0, players - 1));
            if (!w.ok || !parseDecision(w.rest, e.decision)) return in.fail(at + "a decision is damaged");
            e.decision.player = seat;
            if (r.seats[e.decision.player] == Seat::Computer) return in.fail(at + "a decision of a computer player");
        } else if (word == "turn") {
            e.cycleEnd = true;
            e.turn = static_cast<int>(w.integer(lastTurnLine + 1LL, INT_MAX));
            const std::string_view hash = w.token();
            const auto [stop, error] = std::from_chars(hash.data(), hash.data() + hash.size(), e.hash, 16);
            if (hash.size() != 16 || error != std::errc() || stop != hash.data() + hash.size()) w.ok = false;
            for (std::vector<int>* figures : {&e.stars, &e.income, &e.armies})
                for (int p = 0; p < players; ++p) figures->push_back(static_cast<int>(w.integer(0, INT_MAX)));
            if (!w.done()) return in.fail(at + "a turn line is damaged");
            lastTurnLine = e.turn;
        } else if (word == "winner" && !r.course.empty() && r.course.back().cycleEnd) {
            CourseEntry& last = r.course.back();
            last.winner = static_cast<int>(w.integer(0, players - 1));
            const std::string_view how = w.token();
            last.onPoints = how == "points";
            if (!w.done() || (how != "points" && how != "conquest")) return in.fail(at + "the winner line is damaged");
            over = true;
            continue;
        } else {
            return in.fail(at + "not a line of a recording");
        }
        r.course.push_back(std::move(e));
    }
    return true;
}

} // namespace

const char* programVersion() { return ZENTORY_VERSION; }

Recording recordingOf(const GameState& state, uint32_t random, const std::string& started)
{
    Recording r;
    r.version = programVersion();
    r.started = oneLine(started);
    r.difficulty = state.difficulty;
    r.seats = state.seats;
    r.random = random;
    r.galaxy = state.galaxy;
    return r;
}

std::string recordingHeaderText(const Recording& r)
{
    const Galaxy& g = r.galaxy;
    std::string out = std::string(recordingFormatLine) + '\n';
    out += "version " + oneLine(r.version) + "\nstarted " + oneLine(r.started) + '\n';
    out += "difficulty " + std::to_string(r.difficulty) + "\nseats";
    for (Seat s : r.seats) out += std::string(" ") + seatWord(s);
    out += "\nrandom " + std::to_string(r.random) + "\nname " + oneLine(g.name) + '\n';
    out += "minimumIncome " + real(g.minimumIncome) + "\ncaution";
    for (const Player& p : g.players) out += ' ' + real(p.caution);
    std::ostringstream galaxy;
    writeGalaxyText(galaxy, g);
    return out + "\ngalaxy\n" + galaxy.str() + "\ncourse\n";
}

std::string courseLine(const CourseEntry& e)
{
    if (!e.cycleEnd)
        return "decision " + std::to_string(e.turn) + ' ' + std::to_string(e.decision.player) + ' ' +
               decisionText(e.decision) + '\n';
    std::string out = "turn " + std::to_string(e.turn) + ' ' + hashText(e.hash);
    addNumbers(out, e.stars);
    addNumbers(out, e.income);
    addNumbers(out, e.armies);
    out += '\n';
    if (e.winner != noOwner)
        out += "winner " + std::to_string(e.winner) + (e.onPoints ? " points\n" : " conquest\n");
    return out;
}

std::string recordingText(const Recording& r)
{
    std::string out = recordingHeaderText(r);
    for (const CourseEntry& e : r.course) out += courseLine(e);
    return out;
}

bool readRecording(const std::string& text, Recording& out, std::string& why)
{
    const std::string_view all(text);
    Lines in;
    in.text = all.substr(0, all.rfind('\n') + 1);
    Recording r;
    if (!all.starts_with(formatPrefix)) {
        in.fail("not a recording");
    } else if (!in.more()) {
        in.fail("the header is cut short");
    } else if (in.next() != recordingFormatLine) {
        in.fail("made by a later version of the game, or damaged");
    } else if (readHeader(in, r)) {
        readCourse(in, r);
    }
    if (!in.why.empty()) {
        why = "recording cannot be read: " + in.why;
        return false;
    }
    // Caution aside, the players start as the deal left them: all alive.
    for (Player& p : r.galaxy.players) p.alive = 1;
    out = std::move(r);
    return true;
}

bool readRecordingFile(const std::string& path, Recording& out, std::string& why)
{
    std::string text;
    switch (readWholeFile(path, maxRecordingBytes, text)) {
    case FileRead::ok: return readRecording(text, out, why);
    case FileRead::missing: why = "recording cannot be read: " + path + " is missing or not a file"; break;
    case FileRead::tooLarge: why = "recording cannot be read: " + path + " is larger than 16 MiB"; break;
    }
    return false;
}
