#pragma once
// Prepares music pieces on a worker thread, so that no frame waits while a
// file is read and its synthesizer is built, and releases finished pieces
// there too. It holds at most one prepared piece that nobody has taken.
#include <string>

enum class PieceStatus { none, preparing, ready, failed };

// Starts the worker; without a mixer nothing is ever prepared.
void startMusicLoader();
// Waits for the piece in hand, then releases every piece not taken.
void stopMusicLoader();
// Asks for the file to be prepared; a prepared piece not yet taken is released.
void prepareMusicPiece(const std::string& path);
// The requested piece's status; when ready, `piece` is set and the loader
// forgets it (the caller releases it later).
PieceStatus takeMusicPiece(int& piece);
// Released on the worker, since freeing a synthesizer takes a few ms too.
void releaseMusicPiece(int piece);
// Waits until the worker has nothing left to do (tests, benchmarks).
void waitForMusicLoader();
