#pragma once
// What the headless mixer was asked to do; tests read and steer it.
#include <map>
#include <set>
#include <string>
#include <thread>
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
    std::vector<double> channelGain;
    std::vector<HeadlessPlay> plays;
    // Music pieces by id, and the threads that prepared them.
    std::map<int, std::string> pieces;
    int nextPiece = 0;
    size_t mostPieces = 0; // the most pieces held at once
    std::vector<std::thread::id> preparedOn;
    std::vector<std::string> musicStarted;
    std::set<std::string> unpreparable; // preparing fails
    std::set<std::string> unplayable;   // prepared, but starting fails
    bool reportPlaying = true;          // false: a started piece is not yet reported playing
    bool musicPlaying = false;
    double musicGain = -1;
};

// Read the music fields after waitForMusicLoader(): the loader's worker writes them.
HeadlessAudio& headlessAudio();
void headlessAudioReset(bool deviceAvailable = true);
// While held, music preparation waits, as a slow synthesizer would.
void headlessHoldMusicPreparation(bool hold);
