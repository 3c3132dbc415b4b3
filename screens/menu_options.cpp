#include "app/screens.h"

int gameSpeed = 1;
int gameSpeedDelay = 50;
