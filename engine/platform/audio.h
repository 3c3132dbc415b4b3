#pragma once
// What the engine needs of a mixer: voices on numbered channels, each with its
// own gain (which applies to a voice already sounding), and one MIDI track.
// Silent when there is no device.
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

// MIDI in two steps. Preparing reads the file and builds what plays it, which
// takes long; it may run on any thread and gives a piece id, or -1. Starting
// a prepared piece is quick; false when it cannot play. A released piece is
// stopped first if it plays; releasing may also run on any thread.
int audioPrepareMusic(const std::string& path);
bool audioStartMusic(int piece);
void audioReleaseMusic(int piece);
void audioStopMusic();
// Called by a thread that prepared or released pieces before it ends: frees
// what the mixer kept for that thread.
void audioThreadEnds();
bool audioMusicPlaying();
void audioSetMusicGain(double gain);
