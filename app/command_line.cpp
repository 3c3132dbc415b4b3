#include "app/command_line.h"

#include <cctype>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <vector>

#include "ai/replay.h"
#include "base/file_read.h"
#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/rules.h"
#include "game/seats.h"
#include "game/start_check.h"

namespace {

// Decimal digits only, at most `most`.
bool readNumber(std::string_view text, unsigned long long most, unsigned long long& value)
{
    if (text.empty() || text.size() > 10) return false;
    value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value <= most;
}

bool isPath(const std::string& name) { return name.find('/') != std::string::npos || name.ends_with(".gly"); }

bool readGalaxyPath(const std::filesystem::path& path, Galaxy& galaxy)
{
    std::string text;
    if (readWholeFile(path.string(), maxGalaxyFileBytes, text) != FileRead::ok) return false;
    std::istringstream in(std::move(text));
    if (!galaxy.readFrom(in)) return false;
    // Named as the selection screen would list it.
    galaxy.name = path.stem().string();
    return true;
}

bool readListedGalaxy(const std::string& name, Galaxy& galaxy)
{
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == builtInGalaxyName) {
        galaxy.name = builtInGalaxyName;
        return galaxy.loadBuiltIn(builtInGalaxyName);
    }
    // The list shows the names in capitals; the files may be named otherwise.
    return galaxy.loadFile(name) || (upper != name && galaxy.loadFile(upper));
}

} // namespace

bool readGameRequest(int argc, char** argv, GameRequest& request, std::string& why)
{
    request = GameRequest{};
    const auto option = [](std::string_view a) {
        return a == "--galaxy" || a == "--seats" || a == "--difficulty" || a == "--seed";
    };
    if (argc < 2 || !option(argv[1])) return true;
    request.given = true;
    std::vector<std::string_view> seen;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (!option(a)) {
            why = "unknown argument " + std::string(a);
            return false;
        }
        for (const std::string_view s : seen)
            if (s == a) {
                why = std::string(a) + " given twice";
                return false;
            }
        seen.push_back(a);
        if (i + 1 >= argc) {
            why = std::string(a) + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        unsigned long long n = 0;
        if (a == "--galaxy") {
            request.galaxy = value;
        } else if (a == "--seats") {
            request.seats = value;
        } else if (a == "--difficulty") {
            if (!readNumber(value, 4, n)) {
                why = "difficulty " + value + " is not one of 0 to 4";
                return false;
            }
            request.difficulty = static_cast<int>(n);
        } else {
            if (!readNumber(value, 4294967295ULL, n)) {
                why = "seed " + value + " is not a number from 0 to 4294967295";
                return false;
            }
            request.seeded = true;
            request.seed = static_cast<unsigned>(n);
        }
    }
    if (request.galaxy.empty()) {
        why = "--galaxy NAME is missing";
        return false;
    }
    return true;
}

bool dealRequestedGame(const GameRequest& request, const std::string& here, GameState& state, std::string& why)
{
    Galaxy galaxy;
    const bool read = isPath(request.galaxy)
                          ? readGalaxyPath(std::filesystem::path(here) / request.galaxy, galaxy)
                          : readListedGalaxy(request.galaxy, galaxy);
    StartRefusal refusal = read ? checkGalaxyStart(galaxy) : StartRefusal::unreadable;
    if (refusal != StartRefusal::none) {
        why = "galaxy " + request.galaxy + ": " + startRefusalText(refusal);
        return false;
    }
    std::vector<Seat> seats = defaultSeats(galaxy.playerCount, false);
    if (!request.seats.empty() && !parseSeats(request.seats, galaxy.playerCount, seats, why)) {
        why = "seats " + request.seats + ": " + why;
        return false;
    }
    const unsigned seed = request.seeded ? request.seed : static_cast<unsigned>(tickSeed());
    dealGame(state, galaxy, seed, seats, request.difficulty);
    return true;
}
