#pragma once
// What the tools that write recordings share: the command line of an output
// folder, the standard galaxies read from a data folder, and the time stamp.
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "game/galaxy.h"
#include "game/galaxy_file.h"

// "[--data DATA_FOLDER] OUTPUT_FOLDER": false (and the usage said) when the
// arguments are anything else.
inline bool readToolArguments(int argc, char** argv, const char* tool, std::string& data, std::string& output)
{
    data = ZENTORY_SOURCE_DATA_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc)
            data = argv[++i];
        else if (output.empty() && !a.empty() && a[0] != '-')
            output = a;
        else
            output.clear(), i = argc;
    }
    if (output.empty()) std::fprintf(stderr, "usage: %s [--data DATA_FOLDER] OUTPUT_FOLDER\n", tool);
    return !output.empty();
}

// A standard galaxy: the built-in one, or its file in data/galaxies.
inline bool loadStandardGalaxy(const std::string& data, const std::string& name, Galaxy& loaded)
{
    if (name == builtInGalaxyName) return loaded.loadBuiltIn("");
    std::ifstream in(data + "/galaxies/" + name + ".gly");
    return in && loaded.readFrom(in);
}

// Now, in UTC, as recordings name their start.
inline std::string nowUtc()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}
