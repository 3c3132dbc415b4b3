#include "game/galaxy_file.h"

#include <cerrno>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#include "base/file_read.h"
#include "base/file_replace.h"

const char* const standardGalaxyNames[6] = {"TENTACLES", "GRAVITY CENTER", "PARA", "ROMAN", "COLONY", "DOOR"};

namespace {

std::string& folderSetting()
{
    static std::string folder = "galaxies";
    return folder;
}

// Why the last save failed: an errno value, or readOnlyGalaxyFile for a file
// the player has made read-only; 0 after a save that succeeded.
int saveError = 0;
constexpr int readOnlyGalaxyFile = -1;
// The name of the last save, and the folder it could not make, if that was why it failed.
std::string savedName;
std::string unmadeFolder;

std::string pathIn(const std::string& folder, const std::string& name) { return folder + "/" + name + ".gly"; }

// The text as whitespace-separated tokens. A token is kept only up to a
// length no number or kind word reaches; a longer one cannot be read.
struct TokenReader {
    std::istream& in;
    bool ended = false;

    // False at the end of the text and for an overlong token.
    bool next(std::string& token)
    {
        constexpr size_t longest = 64;
        token.clear();
        bool tooLong = false;
        std::streambuf* buffer = in.rdbuf();
        int c = ended || !buffer ? EOF : buffer->sgetc();
        while (c != EOF && std::isspace(static_cast<unsigned char>(c))) c = buffer->snextc();
        while (c != EOF && !std::isspace(static_cast<unsigned char>(c))) {
            if (token.size() < longest)
                token += static_cast<char>(c);
            else
                tooLong = true;
            c = buffer->snextc();
        }
        if (token.empty()) ended = true;
        return !token.empty() && !tooLong;
    }

    // Missing, not a decimal int, or out of range: false, and the field keeps its value.
    bool number(int& field)
    {
        std::string token;
        if (!next(token)) return false;
        int value = 0;
        const char* end = token.data() + token.size();
        const auto [stop, error] = std::from_chars(token.data(), end, value);
        if (error != std::errc() || stop != end) return false;
        field = value;
        return true;
    }

    void word(std::string& field)
    {
        std::string token;
        if (next(token)) field = std::move(token);
    }
};

void readRecord(TokenReader& in, Star& s)
{
    in.number(s.active);
    in.number(s.x);
    in.number(s.y);
    in.word(s.kind);
    in.number(s.owner);
    in.number(s.reserved);
    in.number(s.armies);
}

void writeRecord(std::ostream& out, const Star& s)
{
    out << s.active << ' ' << s.x << ' ' << s.y << ' ' << (s.kind.empty() ? emptyKind : s.kind) << ' ' << s.owner
        << ' ' << s.reserved << ' ' << s.armies << '\n';
}

std::string& playerFolderSetting()
{
    static std::string folder;
    return folder;
}

} // namespace

void setGalaxyFolder(const std::string& folder) { folderSetting() = folder; }

const std::string& galaxyFolder() { return folderSetting(); }

std::string galaxyPath(const std::string& name) { return pathIn(galaxyFolder(), name); }

void setPlayerGalaxyFolder(const std::string& folder) { playerFolderSetting() = folder; }

const std::string& playerGalaxyFolder() { return playerFolderSetting(); }

std::vector<std::string> galaxyFolders()
{
    if (playerGalaxyFolder().empty()) return {galaxyFolder()};
    return {playerGalaxyFolder(), galaxyFolder()};
}

bool isUsableGalaxyName(const std::string& name)
{
    if (name.empty() || name.size() > 200 || name == "." || name == "..") return false;
    return name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

bool galaxyFileExists(const std::string& name)
{
    if (!isUsableGalaxyName(name)) return false;
    for (const std::string& folder : galaxyFolders()) {
        std::error_code error;
        if (std::filesystem::exists(pathIn(folder, name), error)) return true;
    }
    return false;
}


void writeGalaxyText(std::ostream& out, const Galaxy& galaxy)
{
    out << galaxy.playerCount << ' ' << galaxy.slotCount() << '\n';
    for (const Star& s : galaxy.layoutStars) writeRecord(out, s);
    for (const Star& s : galaxy.gameStars) writeRecord(out, s);
    out << galaxy.links.size() << ' ';
    for (int v : galaxy.links) out << v << ' ';
}

std::string lastSaveFailure()
{
    if (saveError == 0) return {};
    if (saveError == readOnlyGalaxyFile) return savedName + " is read-only";
    const std::string words = writeFailureReason(saveError);
    // A folder that could not be made is named where the system has no plain words.
    if (!unmadeFolder.empty() && words == std::strerror(saveError)) return "cannot make the folder " + unmadeFolder;
    return words;
}

// Only the counts are checked: a missing or unreadable header, a player count
// outside 2..8, a slot count outside 1..maxFileStars or a link count other
// than n*n refuse the text, and the galaxy is reset and keeps its name. Any
// other token that cannot be read leaves its field as a default star or a
// zero entry has it, and a text that ends early leaves the rest so, the link
// count included. Everything is parsed into locals first, so a refused text
// leaves no half-read galaxy behind.
bool Galaxy::readFrom(std::istream& in)
{
    TokenReader tokens{in};
    int players = 0;
    int n = 0;
    bool ok = tokens.number(players) && tokens.number(n) && players >= minPlayers && players <= maxPlayers &&
              n >= 1 && n <= maxFileStars;
    std::vector<Star> layout;
    std::vector<Star> game;
    std::vector<int> matrix;
    if (ok) {
        layout.assign(n, Star{});
        game.assign(n, Star{});
        for (Star& s : layout) readRecord(tokens, s);
        for (Star& s : game) readRecord(tokens, s);
        matrix.assign(static_cast<size_t>(n) * n, 0);
        int count = n * n;
        ok = (tokens.number(count) || tokens.ended) && count == n * n;
        for (int& entry : matrix) tokens.number(entry);
    }
    if (!ok) {
        std::string keptName = std::move(name);
        reset();
        name = std::move(keptName);
        return false;
    }
    playerCount = players;
    layoutStars = std::move(layout);
    gameStars = std::move(game);
    links = std::move(matrix);
    return true;
}

bool Galaxy::loadFile(const std::string& fileName)
{
    reset();
    name = fileName;
    if (!isUsableGalaxyName(fileName)) return false;
    // The player's copy of a galaxy wins over a shipped one of the same name.
    std::string text;
    FileRead read = FileRead::missing;
    if (!playerGalaxyFolder().empty())
        read = readWholeFile(pathIn(playerGalaxyFolder(), fileName), maxGalaxyFileBytes, text);
    if (read == FileRead::missing) read = readWholeFile(galaxyPath(fileName), maxGalaxyFileBytes, text);
    if (read != FileRead::ok) return false;
    std::istringstream in(std::move(text));
    return readFrom(in);
}

// Written to a temporary file beside the target and renamed over it, so a
// failed write never destroys a good file.
bool Galaxy::saveFile(const std::string& fileName)
{
    savedName = fileName;
    unmadeFolder.clear();
    if (!isUsableGalaxyName(fileName)) {
        saveError = EINVAL;
        return false;
    }
    const std::string folder = playerGalaxyFolder().empty() ? galaxyFolder() : playerGalaxyFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        saveError = error.value();
        unmadeFolder = folder;
        return false;
    }
    // A file the player has made read-only stays as it is, even where the
    // folder would let it be replaced (and for root, whom access() lets write).
    const std::string path = pathIn(folder, fileName);
    struct stat target;
    if (::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode) &&
        ((target.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)) {
        saveError = readOnlyGalaxyFile;
        return false;
    }
    const std::string temporary = folder + "/." + fileName + ".gly.tmp";
    for (std::vector<Star>* stars : {&layoutStars, &gameStars})
        for (Star& s : *stars)
            if (s.kind.empty()) s.kind = emptyKind;
    std::ostringstream out;
    writeGalaxyText(out, *this);
    // On the disk before it takes the name, so that a power cut cannot leave
    // an empty file under a good name.
    return replaceFile(path, temporary, out.str(), saveError);
}

namespace {

struct BuiltInStar {
    int x;
    int y;
    const char* kind;
};

const BuiltInStar tentacleStars[24] = {
    {222, 120, darkStarKind},   {200, 220, normalStarKind}, {484, 138, normalStarKind}, {473, 269, normalStarKind},
    {324, 274, normalStarKind}, {336, 164, normalStarKind}, {454, 39, normalStarKind},  {668, 244, normalStarKind},
    {567, 71, normalStarKind},  {581, 210, normalStarKind}, {650, 128, normalStarKind}, {393, 278, normalStarKind},
    {516, 380, normalStarKind}, {218, 374, normalStarKind}, {99, 278, normalStarKind},  {131, 368, normalStarKind},
    {319, 85, normalStarKind},  {416, 158, normalStarKind}, {96, 111, normalStarKind},  {133, 30, normalStarKind},
    {682, 409, darkStarKind},   {695, 49, darkStarKind},    {70, 435, darkStarKind},    {346, 225, darkStarKind},
};

// Each link once; both directions are stored, plus the one self-link of star 0.
const int tentacleLinks[][2] = {
    {0, 0},   {0, 1},   {1, 18},  {2, 6},   {2, 8},   {2, 9},   {2, 11},  {3, 9},   {3, 11},
    {3, 12},  {4, 11},  {4, 12},  {4, 13},  {4, 14},  {5, 6},   {5, 16},  {5, 17},  {6, 8},
    {6, 16},  {6, 17},  {7, 9},   {7, 10},  {8, 10},  {8, 21},  {9, 10},  {12, 13}, {12, 20},
    {13, 14}, {13, 15}, {14, 15}, {14, 18}, {15, 22}, {16, 19}, {17, 23}, {18, 19},
};

std::string makeBuiltInText()
{
    constexpr int n = maxStars;
    std::ostringstream out;
    auto token = [&out](const auto& value) { out << value << '\n'; };
    token(5);
    token(n);
    for (int i = 0; i < n; ++i) {
        if (i < 24) {
            const BuiltInStar& s = tentacleStars[i];
            token(1), token(s.x), token(s.y), token(s.kind);
        } else {
            token(0), token(0), token(0), token(emptyKind);
        }
        token(0), token(0), token(0);
    }
    for (int i = 0; i < n; ++i) token(0), token(0), token(0), token(emptyKind), token(0), token(0), token(0);
    std::vector<int> matrix(static_cast<size_t>(n) * n, 0);
    for (const auto& link : tentacleLinks) {
        matrix[static_cast<size_t>(link[0]) * n + link[1]] = 1;
        matrix[static_cast<size_t>(link[1]) * n + link[0]] = 1;
    }
    token(n * n);
    for (int v : matrix) token(v);
    return out.str();
}

} // namespace

const std::string& builtInGalaxyText()
{
    static const std::string text = makeBuiltInText();
    return text;
}

Galaxy builtInGalaxy()
{
    Galaxy g;
    g.loadBuiltIn(builtInGalaxyName);
    g.name = builtInGalaxyName;
    return g;
}

bool Galaxy::loadBuiltIn(const std::string&)
{
    std::istringstream in(builtInGalaxyText());
    return readFrom(in);
}
