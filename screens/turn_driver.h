#pragma once
// The on-screen driver of the computer turns (turn_driver.cpp): what it
// offers beyond the state handlers declared in screens/screens.h.
#include "ai/turn_sequence.h"

// Called after every step the driver makes, with the step's report: the
// tests and the screenshot tool follow the game through it. Nothing when null.
using AiStepObserver = void (*)(const Galaxy& galaxy, const AiStepReport& report);
void setAiStepObserver(AiStepObserver observer);

void resetTurnDriverForTests();
