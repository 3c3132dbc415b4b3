#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <tuple>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

// What each fsync flushed: whether a folder, its inode, and what the watched
// save target held at that moment (0: nothing).
using SyncCall = std::tuple<bool, ino_t, ino_t>;
std::vector<SyncCall> syncCalls;
std::string syncTarget; // watched while not empty
int fileSyncError = 0, folderSyncError = 0;

ino_t inodeOf(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

// Stands in for the C library's fsync in this test program.
extern "C" int fsync(int fd)
{
    if (!syncTarget.empty()) {
        struct stat st {};
        ::fstat(fd, &st);
        const bool folder = S_ISDIR(st.st_mode);
        syncCalls.emplace_back(folder, st.st_ino, inodeOf(syncTarget));
        if (const int error = folder ? folderSyncError : fileSyncError) return errno = error, -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

// Each test writes into its own scratch galaxy folder.
class GalaxyFiles : public ::testing::Test {
protected:
    ScratchFolder folder{"zentory_galaxy_files"};
    fs::path root = folder.dir;
    void SetUp() override { setGalaxyFolder((root / "galaxies").string()); }
    void TearDown() override
    {
        syncTarget.clear();
        fileSyncError = folderSyncError = 0;
        setGalaxyFolder("galaxies");
    }
    std::string fileText(const std::string& name) { return readText(galaxyPath(name)); }
    long filesInFolder() { return std::distance(fs::directory_iterator(galaxyFolder()), fs::directory_iterator()); }
};

// What a map file holds: players, links, and each layout slot.
auto mapOf(const Galaxy& g)
{
    std::vector<std::tuple<int, int, int, std::string, int>> slots;
    for (const Star& s : g.layoutStars) slots.emplace_back(s.active, s.x, s.y, s.kind, s.reserved);
    return std::tuple(g.playerCount, g.links, slots);
}

const char* const freeRecord = "0 0 0 empty 0 0 0\n";

// A text of n slots, every record free but the first layout record, and a
// link block of linkCount zeros.
std::string galaxyText(int players, int n, long long linkCount, const char* first = "1 100 100 normalStar 0 0 0\n")
{
    std::ostringstream out;
    out << players << ' ' << n << '\n';
    for (int i = 0; i < 2 * n; ++i) out << (i == 0 ? first : freeRecord);
    out << linkCount << ' ';
    for (long long k = 0; k < linkCount; ++k) out << "0 ";
    return out.str();
}

} // namespace

TEST_F(GalaxyFiles, WrittenGalaxiesReadBackAndReadingKeepsTheGameFields)
{
    Galaxy written;
    ASSERT_TRUE(written.saveFile("plain"));
    const std::string text = fileText("plain");
    // An empty kind is written and kept as "empty".
    EXPECT_EQ(std::tuple(text, written.layoutStars[0].kind, written.name),
              std::tuple(galaxyText(2, 100, 10000, freeRecord), "empty", "TEST"));

    Galaxy g;
    g.name = "kept", g.turn = 17, g.minimumIncome = 8.1;
    g.playerCount = 6;
    g.players.assign(3, Player{1, 2.5});
    std::istringstream in(text);
    ASSERT_TRUE(g.readFrom(in));
    EXPECT_EQ(mapOf(g), mapOf(written));
    EXPECT_EQ(std::tuple(g.name, g.turn, g.minimumIncome, g.players.size()),
              std::tuple(std::string("kept"), 17, 8.1, size_t{3}));

    // A map round trip, under a name that holds a space.
    g.reset();
    g.playerCount = 6;
    Star s;
    s.active = 1, s.x = 100, s.y = 200, s.kind = goldenStarKind, s.reserved = 9;
    g.addStar(s);
    s.x = 400, s.kind = darkStarKind;
    g.addStar(s);
    g.setLink(0, 1, 1);
    g.gameStars[1].owner = 3, g.gameStars[1].armies = 17;
    ASSERT_TRUE(g.saveFile("GRAVITY CENTER"));

    Galaxy back;
    back.turn = 12;
    ASSERT_TRUE(back.loadFile("GRAVITY CENTER"));
    EXPECT_EQ(mapOf(g), mapOf(back));
    // loadFile starts from a reset galaxy: the turn is 0 again.
    EXPECT_EQ(std::tuple(back.name, back.gameStars[1].owner, back.gameStars[1].armies, back.turn),
              std::tuple(std::string("GRAVITY CENTER"), 3, 17, 0));
}

TEST_F(GalaxyFiles, MalformedCountsAreRefusedUnreadableTokensKeepTheirDefaultsAndOtherNumbersAreAccepted)
{
    // Each bad token spoils only its own field; a text cut short leaves the rest default.
    const std::string text = "3 2\n1 1e9 200 darkStar 99999999999 - 4\n1 60 x9 goldenStar 2 0 12\n"
                             "0 0 0 empty 0 0 0\n1 5 6";
    Galaxy g;
    g.links.assign(4, 7);
    std::istringstream in(text);
    ASSERT_TRUE(g.readFrom(in));
    ASSERT_EQ(g.slotCount(), 2);
    // The seven fields in file order.
    auto record = [](const Star& s) { return std::tuple(s.active, s.x, s.y, s.kind, s.owner, s.reserved, s.armies); };
    EXPECT_EQ(record(g.layoutStars[0]), std::tuple(1, 0, 200, std::string(darkStarKind), 0, 0, 4));
    EXPECT_EQ(record(g.layoutStars[1]), std::tuple(1, 60, 0, std::string(goldenStarKind), 2, 0, 12));
    EXPECT_EQ(record(g.gameStars[1]), std::tuple(1, 5, 6, std::string(), 0, 0, 0));
    EXPECT_EQ(g.links, std::vector<int>(4, 0));

    // A link block cut short or holding a word: those entries are 0.
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"4 1 1", {1, 1, 0, 0}}, {"4 1 one 1 1", {1, 0, 1, 1}}, {"4", {0, 0, 0, 0}}, {"", {0, 0, 0, 0}}};
    for (const auto& [links, expected] : cases) {
        std::istringstream more(std::string("2 2\n1 100 100 normalStar 0 0 0\n1 300 100 normalStar 0 0 0\n") +
                                "0 0 0 empty 0 0 0\n0 0 0 empty 0 0 0\n" + links);
        Galaxy h;
        ASSERT_TRUE(h.readFrom(more)) << links;
        EXPECT_EQ(std::pair(h.links, h.layoutStars[1].x), std::pair(expected, 300)) << links;
    }

    // Any number is taken in a free slot, as an owner or as armies.
    std::istringstream odd("3 2\n0 2010208543 -2010208543 whatever 2010208543 7 -1\n"
                           "1 100 100 darkStar 2010208543 0 2010208543\n0 0 0 empty 0 0 0\n"
                           "0 0 0 empty 0 0 0\n4 0 0 0 0 ");
    ASSERT_TRUE(g.readFrom(odd));
    EXPECT_EQ(g.layoutStars[0].x, 2010208543);
    EXPECT_EQ(g.starAt(100, 100, 0, 0), 1);

    // Malformed counts are refused with a reset galaxy.
    const std::string bad[] = {
        "", "5", "x 100", "5 abc", "2 0\n0 ", "2 -3\n", "2 1001\n", "2 99999999999\n",
        galaxyText(1, 3, 9), galaxyText(9, 3, 9), galaxyText(-2, 3, 9),
        galaxyText(2, 3, 8), galaxyText(2, 3, 10), galaxyText(2, 3, -9),
        "2 1\n1 1 2 normalStar 0 0 0\n0 0 0 empty 0 0 0\nlots 0 ",
    };
    for (const std::string& text : bad) {
        Galaxy g;
        g.name = "asked for";
        g.layoutStars.assign(3, Star{});
        g.links.assign(9, 1);
        std::istringstream in(text);
        EXPECT_FALSE(g.readFrom(in)) << text;
        EXPECT_EQ(std::tuple(g.slotCount(), g.links.size(), g.playerCount, g.name),
                  std::tuple(100, size_t{10000}, 2, std::string("asked for")))
            << text;
    }
    Galaxy ok;
    std::istringstream eight(galaxyText(8, 3, 9));
    EXPECT_TRUE(ok.readFrom(eight));
    EXPECT_EQ(std::pair(ok.slotCount(), ok.gameStars.size()), std::pair(3, size_t{3}));
}

TEST_F(GalaxyFiles, SavingCreatesTheFolderAndReplacesWholeOrNotAtAllAndNamesThatLeaveTheFolderAreRefused)
{
    ASSERT_FALSE(fs::exists(galaxyFolder()));
    Galaxy g;
    ASSERT_TRUE(g.saveFile("one"));
    g.playerCount = 4;
    // A link planted under the temporary name is replaced, never written through.
    writeText(root / "outside", "mine");
    fs::create_symlink(root / "outside", fs::path(galaxyFolder()) / ".one.gly.tmp");
    ASSERT_TRUE(g.saveFile("one"));
    EXPECT_EQ(std::tuple(fileText("one").substr(0, 6), readText(root / "outside"), filesInFolder()),
              std::tuple("4 100\n", "mine", 1));

    // A folder in the temporary file's place is set aside with what it holds, never in the way.
    fs::create_directories(fs::path(galaxyFolder()) / ".one.gly.tmp/inside");
    g.playerCount = 5;
    EXPECT_TRUE(g.saveFile("one"));
    EXPECT_EQ(std::pair(fileText("one").substr(0, 2), fs::exists(fs::path(galaxyFolder()) / ".one.gly.tmp.stale/inside")),
              std::pair(std::string("5 "), true));

    Galaxy saved;
    EXPECT_FALSE(saved.saveFile("../outside") || saved.saveFile("") || saved.saveFile(std::string(300, 'a')));
    EXPECT_FALSE(fs::exists(root / "outside.gly"));

    // What cannot be loaded gives a reset galaxy with the name asked for.
    fs::create_directories(galaxyFolder());
    writeText(galaxyPath("broken"), "2 lots\n1 2 3");
    writeText(root / "outside.gly", galaxyText(2, 1, 1)); // readable, but outside the folder
    for (const std::string name : {"nowhere", "broken", "../outside"}) {
        Galaxy g;
        g.playerCount = 7;
        g.layoutStars.resize(3);
        EXPECT_FALSE(g.loadFile(name));
        EXPECT_EQ(std::tuple(g.name, g.playerCount, g.slotCount()), std::tuple(name, 2, 100));
    }
}

TEST_F(GalaxyFiles, SavingFlushesTheFileBeforeTheRenameAndTheFolderAfterAndSaysWhyItFailed)
{
    Galaxy g;
    ASSERT_TRUE(g.saveFile("safe"));
    const ino_t old = inodeOf(galaxyPath("safe"));
    g.playerCount = 3;
    syncTarget = galaxyPath("safe");
    ASSERT_TRUE(g.saveFile("safe"));
    const ino_t saved = inodeOf(galaxyPath("safe"));
    // The new file while the old one still has the name, then the folder once it is renamed.
    EXPECT_EQ(syncCalls, (std::vector<SyncCall>{{false, saved, old}, {true, inodeOf(galaxyFolder()), saved}}));

    const std::string three = fileText("safe");
    g.playerCount = 4;
    fileSyncError = EIO;
    EXPECT_FALSE(g.saveFile("safe"));
    EXPECT_EQ(std::pair(fileText("safe"), filesInFolder()), std::pair(three, 1L));
    fileSyncError = 0, folderSyncError = EIO;
    EXPECT_FALSE(g.saveFile("safe")); // renamed, but perhaps not on the disk

    // A read-only file is left as it is.
    folderSyncError = 0;
    ASSERT_TRUE(g.saveFile("locked") && lastSaveFailure().empty());
    const std::string before = fileText("locked");
    fs::permissions(galaxyPath("locked"), fs::perms(0444));
    g.playerCount = 6;
    EXPECT_FALSE(g.saveFile("locked"));
    EXPECT_EQ(std::tuple(lastSaveFailure(), fileText("locked"), fs::status(galaxyPath("locked")).permissions()),
              std::tuple("locked is read-only", before, fs::perms(0444)));

    // Where the player's folder cannot be made, the message names it.
    writeText(root / "blocker", "a file where a folder should be");
    setPlayerGalaxyFolder((root / "blocker" / "galaxies").string());
    EXPECT_FALSE(g.saveFile("elsewhere"));
    EXPECT_EQ(lastSaveFailure(), "cannot make the folder " + (root / "blocker" / "galaxies").string());

    // Neither the data folder nor the player's can be written: said so, not "No such file or directory".
    fs::create_directories(root / "closed");
    fs::permissions(root / "closed", fs::perms(0555));
    setPlayerGalaxyFolder((root / "closed" / "zentory" / "galaxies").string());
    const bool asRoot = geteuid() == 0;
    const bool another = !asRoot || seteuid(65534) == 0; // permission bits bind root only as another user
    const bool madeIt = another && g.saveFile("elsewhere");
    const std::string failure = lastSaveFailure();
    const bool back = !asRoot || !another || seteuid(0) == 0;
    setPlayerGalaxyFolder("");
    fs::permissions(root / "closed", fs::perms(0755));
    ASSERT_TRUE(back);
    if (!another) GTEST_SKIP() << "cannot act as another user to make a folder read-only";
    EXPECT_EQ(std::pair(madeIt, failure), std::pair(false, std::string("the folder is read-only")));
}

TEST(BuiltInGalaxy, MatchesItsTableOneTokenPerLine)
{
    struct Slot {
        int x, y;
        char kind; // 'N' normal, 'D' dark, 'E' free
        std::vector<int> links;
    };
    const Slot table[24] = {
        {222, 120, 'D', {0, 1}},         {200, 220, 'N', {0, 18}},       {484, 138, 'N', {6, 8, 9, 11}},
        {473, 269, 'N', {9, 11, 12}},    {324, 274, 'N', {11, 12, 13, 14}}, {336, 164, 'N', {6, 16, 17}},
        {454, 39, 'N', {2, 5, 8, 16, 17}}, {668, 244, 'N', {9, 10}},     {567, 71, 'N', {2, 6, 10, 21}},
        {581, 210, 'N', {2, 3, 7, 10}},  {650, 128, 'N', {7, 8, 9}},     {393, 278, 'N', {2, 3, 4}},
        {516, 380, 'N', {3, 4, 13, 20}}, {218, 374, 'N', {4, 12, 14, 15}}, {99, 278, 'N', {4, 13, 15, 18}},
        {131, 368, 'N', {13, 14, 22}},   {319, 85, 'N', {5, 6, 19}},     {416, 158, 'N', {5, 6, 23}},
        {96, 111, 'N', {1, 14, 19}},     {133, 30, 'N', {16, 18}},       {682, 409, 'D', {12}},
        {695, 49, 'D', {8}},             {70, 435, 'D', {15}},           {346, 225, 'D', {17}},
    };
    Galaxy g;
    g.name = "mine";
    ASSERT_TRUE(g.loadBuiltIn("ignored"));
    ASSERT_EQ(std::tuple(g.name, g.playerCount, g.slotCount()), std::tuple(std::string("mine"), 5, 100));
    std::vector<int> links(10000, 0);
    for (int i = 0; i < 100; ++i) {
        const Slot slot = i < 24 ? table[i] : Slot{0, 0, 'E', {}};
        for (int j : slot.links) links[i * 100 + j] = 1;
        const std::string kind = slot.kind == 'D' ? darkStarKind : slot.kind == 'N' ? normalStarKind : emptyKind;
        const Star& s = g.layoutStars[i];
        EXPECT_EQ(std::tuple(s.active, s.x, s.y, s.kind, s.reserved, s.armies, g.gameStars[i].active),
                  std::tuple(i < 24 ? 1 : 0, slot.x, slot.y, kind, 0, 0, 0))
            << i;
    }
    EXPECT_EQ(g.links, links);

    const std::string& text = builtInGalaxyText();
    EXPECT_EQ(std::tuple(text.substr(0, 6), text.back(), text.find(' ')), std::tuple("5\n100\n", '\n', std::string::npos));
    // Any whitespace separates tokens, and reading over a loaded galaxy gives the same map again.
    std::string spaced;
    for (char c : text) spaced += c == '\n' ? (spaced.size() % 3 ? " \t " : "\r\n") : std::string(1, c);
    Galaxy again = g;
    std::istringstream in(spaced);
    ASSERT_TRUE(again.readFrom(in));
    EXPECT_EQ(mapOf(g), mapOf(again));
}
