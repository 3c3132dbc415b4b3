#pragma once
// Buttons and button sets: every clickable thing on the screens. A screen
// owns its buttons; a set refers to them and runs draw, hover and click once
// per frame, in that order.
#include <string>
#include <vector>

// A button's action; actions that need no value ignore it.
using ButtonAction = void (*)(int value);

// A button made with this argument passes the value its set was given instead.
constexpr int passFrameValue = -5;

struct Button {
    int x = 0, y = 0;
    int width = 0, height = 0; // the image's size when made; 0 x 0 is never hit
    int textR = 255, textG = 255, textB = 255;
    int marginX = 0, marginY = 0;
    bool active = true;
    int argument = 0;
    std::string imageName;
    std::string label;
    ButtonAction clickAction = nullptr;
    ButtonAction hoverAction = nullptr;

    // A screen may declare its buttons empty and make them on its first frame.
    Button() = default;
    // An empty image name becomes "menuNormal". Make buttons after the images
    // are loaded: the size is taken from the catalogue here.
    Button(int x, int y, const std::string& label, ButtonAction clickAction, const std::string& imageName,
           int argument, ButtonAction hoverAction = nullptr);
    void setTextColor(int r, int g, int b);
    void setMargins(int mx, int my);
    void setActive(bool on) { active = on; }
    // Strictly inside: a point on the edge is outside.
    bool contains(int px, int py) const;
};

struct ButtonSet {
    std::vector<Button*> buttons;
    bool textFieldActive = false;
    int fieldX = 0, fieldY = 0;
    char text[100] = {};
    bool cursorVisible = false;
    int blinkTimer = 0;

    void add(Button& button);
    // Forgets the buttons (they stay intact) and empties the text; a text line
    // stays enabled.
    void clear();
    void enableTextField(int x, int y);
    // At most 99 characters are kept.
    void setText(const std::string& value);
    std::string getText() const;

    void draw(int value);
    void hover(int value);
    // Edits the text line, then runs every active button under a fresh left
    // click, in list order, each with the click sound "menuSound".
    void click(int value);
    // A screen's frame of the set: draw, hover and click.
    void run(int value);
};

// The keyboard's focus: one of the frame's live buttons (those whose set ran
// its click), or none. Tab and Shift+Tab walk the buttons in the order their
// sets ran, the arrows go to the nearest button that way, and Enter acts as a
// click on the focused one. Nothing has the focus until a key moves it, so a
// player of the mouse never sees it; a click of the mouse lets it go.
struct LiveButton {
    const Button* button = nullptr;
    int value = 0;
};
struct KeyFocus {
    std::vector<LiveButton> live; // this frame's, gathered by ButtonSet::click
    const Button* focused = nullptr;
    // Set each frame by a screen with a cursor of its own (the board's
    // stars): while no button has the focus the arrows are the screen's, and
    // Tab has a stop on "no button" between the last button and the first.
    bool screenCursor = false;
};
extern KeyFocus keyFocus;

// Called once at the end of every frame, after the state's handler: moves
// the focus, runs the focused button on Enter and draws its ring on top.
void runKeyFocus();
// Gives the focus to a button that its set runs in this frame.
void focusButton(const Button& button);
// As the last frame left it: a screen asks before its own Enter.
bool buttonHasFocus();
// The ring of the focus, two pixels wide just outside the rectangle: a warm
// yellow that reads on the dark sky, on the buttons and on every player's colour.
void drawFocusRing(int x, int y, int width, int height);
void resetKeyFocusForTests();

// The longest text the line editor of a set takes.
constexpr int textFieldLimit = 40;
