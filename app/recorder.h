#pragma once
// Every game, human or demonstration, recorded as it is played: its deal,
// then the humans' decisions and every turn cycle's figures (game/recording.h),
// in recordings/ of the player's folder, e.g.
// "recordings/2026-12-07T221503-TENTACLES.rec".
//
// The frame only drains the game's journal into lines; a thread of its own
// appends them, whole lines with one write each, and flushes them to the disk
// (fdatasync), so that no frame waits on the disk and a crash leaves a file
// that ends at its last whole line. A save names the recording and how much
// of it its state has made: the autosave's writer waits for that much to be
// on the disk first, and a resumed game cuts the file back to it and goes on.
//
// Bounds: the newest keptRecordings files are kept (older ones are removed
// when a new game starts), and a game whose file would pass
// maxRecordingBytes (what the reader takes) stops being recorded and says so.
// A folder that cannot be made or written: the game plays on unrecorded and
// says so once (screens/notices.h).
#include <cstddef>
#include <string>

#include "game/save_file.h"

inline constexpr size_t keptRecordings = 100;

// Where recordings go: FOLDER/recordings; none (nothing recorded) while empty.
void useRecordingFolder(const std::string& playerFolder);
std::string recordingFolder();

// A new deal: the game in play begins a new recording (the game-started handler calls it).
void recordNewGame();
// After every frame: the journal's new lines to the writer, and any failure noticed.
void recorderAfterFrame();

// The recording of the game in play and how much of it is handed over; an
// empty name while the game is not recorded.
RecordingMark recordingMark();
// Blocks (on the autosave's writer thread) until the mark's bytes of the
// recording are on the disk, or the recording failed.
void waitForRecording(const RecordingMark& mark);
// A resumed game goes on with the recording its save names, cut back to what
// the save's state had made; a recording gone or damaged leaves it unrecorded.
void continueRecording(const RecordingMark& mark);

// At the program's end: waits until everything handed over is on the disk
// (the file stays open; the game may go on).
void finishRecording();

void resetRecorderForTests();
