#include "app/screens.h"

#include "app/states.h"

void registerAllStates()
{
    registerState("title", titleScreen);
}

bool gameInProgressForResume() { return false; }
