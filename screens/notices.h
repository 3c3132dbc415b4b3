#pragma once
// Lines the screens show on behalf of the layer above them: app/autosave
// fills them, the screens only draw them, so that no screen reaches up.
#include <string>

struct Notices {
    // The main menu's line about a save that could not be read; empty when none.
    std::string menuLine;
    // The panel's line after the first save of a run of failures ("Game not
    // saved: the disk is full"), shown while panelMsLeft is above 0.
    std::string panelLine;
    int panelMsLeft = 0;
};

extern Notices notices;

// The panel's line for this frame, counted down by elapsedMs; empty once its time is over.
std::string panelNotice(int elapsedMs);
