// Prints the built-in galaxy in the galaxy file format, for scripts that need
// its stars and links (the play-through under X).
#include <cstdio>

#include "game/galaxy_file.h"

int main()
{
    std::fputs(builtInGalaxyText().c_str(), stdout);
    return 0;
}
