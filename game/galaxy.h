#pragma once
// The galaxy: star slots, links, players and the counters of a running game.
// Geometry works on layoutStars (the map as designed), ownership and armies on
// gameStars (the same slots as played).
#include <array>
#include <istream>
#include <string>
#include <vector>

// "No star" and "no player" wherever a slot or player index is stored or returned.
constexpr int noOwner = -5;
// Slot count of a reset galaxy, and so of every galaxy made in the editor.
constexpr int maxStars = 100;
// Board area a whole star image must lie in: x 0..799, y 0..494.
constexpr int boardWidth = 800;
constexpr int boardBottom = 495;
// From this y down lies the control panel; a pointer there picks no star.
constexpr double controlStripY = 499.0;
constexpr int maxPlayers = 8;
constexpr int minPlayers = 2;

// Kind names; a free slot holds "" or "empty".
inline constexpr const char* normalStarKind = "normalStar";
inline constexpr const char* goldenStarKind = "goldenStar";
inline constexpr const char* darkStarKind = "darkStar";
inline constexpr const char* emptyKind = "empty";

struct Star {
    int x = 0;
    int y = 0;
    std::string kind;
    int owner = 0;
    // The star defends with armies + 1: the occupant is never counted here.
    int armies = 0;
    // Stored in galaxy files and copied into the game, read by nothing else.
    int reserved = 0;
    int active = 0;
};

struct Player {
    int alive = 0;
    // Drawn at set-up; the larger, the fewer armies a computer player keeps at home.
    double caution = 0.0;
};

// One attack proposal of a computer player.
struct AttackCandidate {
    double score = 0.0;
    int from = noOwner;
    std::vector<int> targets;
    int armies = 0;
};

// Size of a star kind's image (the same sizes as the pictures of the catalogue);
// 0 by 0 for any other kind. The model uses it for hit tests and placement.
int starImageWidth(const std::string& kind);
int starImageHeight(const std::string& kind);

// Income per turn by kind: 1, 3, 7; 0 for other kinds and for free slots.
int starIncome(const Star& star);
// Weight used by the computer players: 1, 9, 30 for incomes 1, 3, 7; else 0.
int starWeight(const Star& star);

// Whether link a-b crosses link c-d. Only a proper crossing counts: shared
// ends, touching and collinear segments do not.
bool segmentsCross(const Star& a, const Star& b, const Star& c, const Star& d);

struct Galaxy {
    std::string name;
    int playerCount = 2;
    int turn = 0;
    // The turn in which a star last changed owner in the running game (0: none yet).
    int lastConquestTurn = 0;
    double minimumIncome = 0.0;
    std::vector<Star> layoutStars;
    std::vector<Star> gameStars;
    // n by n, row-major: entry i*n + j is non-zero when slots i and j are linked.
    std::vector<int> links;
    std::vector<Player> players;

    Galaxy();

    // Back to the empty default: name "TEST", two players, 100 free slots,
    // no links. players and minimumIncome are kept.
    void reset();
    // Number of slots n.
    int slotCount() const { return static_cast<int>(layoutStars.size()); }
    // Whether s indexes a slot of gameStars.
    bool isGameStar(int s) const { return s >= 0 && s < static_cast<int>(gameStars.size()); }
    // Whether p indexes a record of players.
    bool isPlayer(int p) const { return p >= 0 && p < static_cast<int>(players.size()); }

    // Geometry and editing, on layoutStars.
    // First active slot whose image box overlaps the rectangle of half-sizes
    // rx, ry around (x, y); noOwner when none, and below y 499 (the control
    // strip, where a pointer picks no star).
    int starAt(double x, double y, double rx, double ry) const;
    bool canPlaceStar(const Star& star) const;
    // Puts the star into the lowest free slot if it can be placed there.
    void addStar(const Star& star);
    void removeStar(int index);
    void unlinkAll(int index);
    // v != 0 links (refused when it would cross an existing link), v == 0 unlinks.
    void setLink(int i, int j, int v);
    // The matrix entry i*n + j; 0 for indices outside the matrix.
    int isLinked(int i, int j) const;

    // Rules (rules.cpp): what needs no more than the map and its owners.
    void prepareGameStars();
    static int starIncome(const Star& star) { return ::starIncome(star); }
    static int starWeight(const Star& star) { return ::starWeight(star); }
    int starCount(int p) const;
    int armiesOf(int p) const;
    // The income of p's stars, before any handicap of a human seat (rules.h's income).
    int starIncomeOf(int p) const;
    int weakestPlayer() const;
    int countUnownedStars(const std::vector<Star>& stars) const;

    // Galaxy files (galaxy_file.cpp).
    bool readFrom(std::istream& in);
    bool loadFile(const std::string& fileName);
    bool saveFile(const std::string& fileName);
    bool loadBuiltIn(const std::string& unused);
};

// The galaxies of the selection screen and of the editor. The one in play is
// part of the game state (game_state.h).
extern Galaxy previewGalaxy;
extern Galaxy editorGalaxy;

struct Rgb {
    int r;
    int g;
    int b;
};
extern const std::array<Rgb, maxPlayers> playerColours;
extern const std::array<const char*, maxPlayers> playerColourNames;

extern const std::array<const char*, 5> difficultyNames;
extern const std::array<double, 5> humanIncomeFactor;
