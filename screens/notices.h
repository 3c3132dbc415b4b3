#pragma once
// Lines the screens show on behalf of the layer above them: app/autosave
// fills them after every frame, the screens only draw them, so that no screen
// reaches up.
#include <string>

struct Notices {
    // The main menu's line about a save that could not be read, or about
    // another copy of the game holding the folder; empty when none.
    std::string menuLine;
    // The board's line while the game in play is not being kept ("Game not
    // saved in FOLDER: the disk is full"); empty while it is.
    std::string panelLine;
    // The board's line while the game in play is not being recorded, shown
    // where the save's line goes when that is empty.
    std::string recordingLine;
};

extern Notices notices;
