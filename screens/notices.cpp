#include "screens/notices.h"

#include <algorithm>

Notices notices;

std::string panelNotice(int elapsedMs)
{
    if (notices.panelMsLeft <= 0) return {};
    notices.panelMsLeft -= std::max(elapsedMs, 0);
    return notices.panelLine;
}
