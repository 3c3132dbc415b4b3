#pragma once
// What the headless mixer was asked to do; tests read and steer it.
#include <set>
#include <string>
#include <vector>

#include "engine/wav.h"

struct HeadlessPlay {
    int channel;
    int clip;
    double gain;
};

struct HeadlessAudio {
    bool deviceAvailable = true;
    bool open = false;
    std::vector<WavClip> clips;
    std::vector<bool> channelBusy; // a test ends a voice by clearing its flag
    std::vector<HeadlessPlay> plays;
    std::vector<std::string> musicStarted;
    std::set<std::string> unplayable;
    bool musicPlaying = false;
    double musicGain = -1;
};

HeadlessAudio& headlessAudio();
void headlessAudioReset(bool deviceAvailable = true);
