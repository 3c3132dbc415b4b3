#include "screens/widgets.h"

#include <algorithm>
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
