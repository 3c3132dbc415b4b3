#pragma once
// What the engine needs of a mixer: voices on numbered channels, each with its
// own gain, and one MIDI track. Silent when there is no device.
#include <string>

#include "engine/wav.h"

bool audioOpen();
void audioClose();
bool audioAvailable();

// Converts a clip once to the mixer's format; its id, or -1.
int audioLoadClip(const WavClip& clip);
// Reserves `count` more channels; the first one's number, or -1.
int audioReserveChannels(int count);
bool audioChannelPlaying(int channel);
void audioPlay(int channel, int clip, double gain);
void audioSetGain(int channel, double gain);

// MIDI: false when the file cannot be played.
bool audioPlayMusic(const std::string& path);
void audioStopMusic();
bool audioMusicPlaying();
void audioSetMusicGain(double gain);
