#include "screens/widgets.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/display.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/sound.h"

Button::Button(int x_, int y_, const std::string& label_, ButtonAction clickAction_, const std::string& imageName_,
               int argument_, ButtonAction hoverAction_)
    : x(x_), y(y_), argument(argument_), imageName(imageName_.empty() ? "menuNormal" : imageName_), label(label_),
      clickAction(clickAction_), hoverAction(hoverAction_)
{
    width = imageWidth(imageName);
    height = imageHeight(imageName);
}

void Button::setTextColor(int r, int g, int b)
{
    textR = r;
    textG = g;
    textB = b;
}

void Button::setMargins(int mx, int my)
{
    marginX = mx;
    marginY = my;
}

bool Button::contains(int px, int py) const { return x < px && px < x + width && y < py && py < y + height; }

void ButtonSet::add(Button& button) { buttons.push_back(&button); }

void ButtonSet::clear()
{
    buttons.clear();
    text[0] = 0;
}

void ButtonSet::enableTextField(int x, int y)
{
    textFieldActive = true;
    fieldX = x;
    fieldY = y;
}

void ButtonSet::setText(const std::string& value)
{
    size_t n = std::min(value.size(), sizeof text - 1);
    std::memcpy(text, value.data(), n);
    text[n] = 0;
}

std::string ButtonSet::getText() const { return text; }

void ButtonSet::draw(int value)
{
    if (textFieldActive) {
        blinkTimer += value;
        if (blinkTimer > 150) {
            blinkTimer = 0;
            cursorVisible = !cursorVisible;
        }
        int w = imageWidth("menuNormal");
        int h = imageHeight("menuNormal");
        drawImage(fieldX, fieldY, "menuNormal");
        drawImage(fieldX + w - 10, fieldY, "menuNormal");
        std::string line = " ";
        line += text;
        line += cursorVisible ? "<" : " ";
        drawTextCutToBox(fieldX, fieldY, std::max(0, 2 * w - 10), h, 255, 255, 255, line.c_str(), true);
    }
    for (const Button* b : buttons) {
        // A button without its picture has no size and is drawn as nothing.
        if (!b->active || b->width <= 0 || b->height <= 0) continue;
        drawImage(b->x, b->y, b->imageName);
        drawTextCutToBox(b->x + b->marginX / 2, b->y + b->marginY / 2, std::max(0, b->width - b->marginX),
                         std::max(0, b->height - b->marginY), b->textR, b->textG, b->textB, b->label.c_str(), false);
    }
}

void ButtonSet::run(int value)
{
    draw(value);
    hover(value);
    click(value);
}

static int argumentFor(const Button& b, int value) { return b.argument == passFrameValue ? value : b.argument; }

void ButtonSet::hover(int value)
{
    int mx = static_cast<int>(mouseX());
    int my = static_cast<int>(mouseY());
    // Actions may rebuild this set; walk the list as it was when the frame
    // asked, so no reference goes stale under the loop.
    const std::vector<Button*> list = buttons;
    for (const Button* b : list) {
        if (!b->active || !b->contains(mx, my)) continue;
        tintRect(b->x, b->y, b->width, b->height, 100, 100, 100);
        if (b->hoverAction) b->hoverAction(argumentFor(*b, value));
    }
}

void ButtonSet::click(int value)
{
    if (textFieldActive) editTextLine(text, textFieldLimit);
    for (const Button* b : buttons)
        if (b->active && b->clickAction && b->width > 0 && b->height > 0) keyFocus.live.push_back({b, value});
    if (!leftButtonPressed()) return;
    int mx = static_cast<int>(mouseX());
    int my = static_cast<int>(mouseY());
    // The buttons that were in the set when the click came; one whose action
    // clears the set does not stop the others under the pointer, and buttons
    // added by an action wait for the next click.
    const std::vector<Button*> list = buttons;
    for (const Button* b : list) {
        if (!b->active || !b->clickAction || !b->contains(mx, my)) continue;
        playSound("menuSound");
        b->clickAction(argumentFor(*b, value));
    }
}

KeyFocus keyFocus;

namespace {

int liveIndexOf(const Button* b)
{
    for (size_t i = 0; i < keyFocus.live.size(); ++i)
        if (keyFocus.live[i].button == b) return static_cast<int>(i);
    return -1;
}

// Tab's walk; -1 is the stop on no button, where a screen cursor has one.
int tabStep(int from, int step)
{
    const int count = static_cast<int>(keyFocus.live.size());
    if (from < 0) return step > 0 ? 0 : count - 1;
    const int next = from + step;
    if (next >= 0 && next < count) return next;
    if (keyFocus.screenCursor) return -1;
    return (next + count) % count;
}

// The nearest live button whose centre lies that way from the focused one's,
// a step aside counting twice a step ahead; -1 when there is none.
int arrowStep(int from, int dx, int dy)
{
    const Button& f = *keyFocus.live[from].button;
    const int fx = f.x + f.width / 2, fy = f.y + f.height / 2;
    int best = -1;
    long bestScore = 0;
    for (size_t i = 0; i < keyFocus.live.size(); ++i) {
        const Button& b = *keyFocus.live[i].button;
        const int ox = b.x + b.width / 2 - fx, oy = b.y + b.height / 2 - fy;
        const long ahead = static_cast<long>(ox) * dx + static_cast<long>(oy) * dy;
        const long aside = std::labs(static_cast<long>(ox) * dy - static_cast<long>(oy) * dx);
        if (ahead <= 0) continue;
        const long score = ahead + 2 * aside;
        if (best < 0 || score < bestScore) {
            best = static_cast<int>(i);
            bestScore = score;
        }
    }
    return best;
}

int movedFocus(int at)
{
    if (wasKeyPressed(keys::tab)) return tabStep(at, isShiftDown() ? -1 : 1);
    // With no button focused, the arrows belong to a screen cursor if there is one.
    if (at < 0 && keyFocus.screenCursor) return at;
    static const int arrows[4][3] = {{keys::up, 0, -1}, {keys::down, 0, 1}, {keys::left, -1, 0}, {keys::right, 1, 0}};
    for (const auto& a : arrows) {
        if (!wasKeyPressed(a[0])) continue;
        if (at < 0) return 0;
        const int to = arrowStep(at, a[1], a[2]);
        return to < 0 ? at : to;
    }
    return at;
}

} // namespace

void drawFocusRing(int x, int y, int width, int height)
{
    constexpr int r = 255, g = 210, b = 0;
    fillRect(x - 3, y - 3, width + 6, 2, r, g, b);
    fillRect(x - 3, y + height + 1, width + 6, 2, r, g, b);
    fillRect(x - 3, y - 1, 2, height + 2, r, g, b);
    fillRect(x + width + 1, y - 1, 2, height + 2, r, g, b);
}

void runKeyFocus()
{
    if (leftButtonPressed()) keyFocus.focused = nullptr;
    int at = liveIndexOf(keyFocus.focused);
    if (!keyFocus.live.empty()) at = movedFocus(at);
    keyFocus.focused = at < 0 ? nullptr : keyFocus.live[at].button;
    if (keyFocus.focused) {
        const LiveButton live = keyFocus.live[at];
        const Button& b = *live.button;
        drawFocusRing(b.x, b.y, b.width, b.height);
        if (takeKeyPress(keys::enter) || takeKeyPress(keys::keypadEnter)) {
            playSound("menuSound");
            b.clickAction(argumentFor(b, live.value));
        }
    }
    keyFocus.live.clear();
    keyFocus.screenCursor = false;
}

void focusButton(const Button& button)
{
    if (liveIndexOf(&button) >= 0) keyFocus.focused = &button;
}

bool buttonHasFocus() { return keyFocus.focused != nullptr; }

void resetKeyFocusForTests() { keyFocus = KeyFocus{}; }
