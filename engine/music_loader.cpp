#include "engine/music_loader.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/platform/audio.h"

namespace {

std::mutex lock;
std::condition_variable wake;
std::condition_variable idle;
std::thread worker;
bool running = false;
bool stopping = false;
bool busy = false;
std::string wanted;
bool wantedPending = false;
PieceStatus status = PieceStatus::none;
int readyPiece = -1;
std::vector<int> toRelease;

// A program that ends without shutting the music down still stops the
// worker before the thread object goes away; the pieces go with the process.
struct StopAtExit {
    ~StopAtExit()
    {
        {
            std::lock_guard<std::mutex> held(lock);
            if (!running) return;
            stopping = true;
        }
        wake.notify_all();
        worker.join();
        running = false;
    }
} stopAtExit;

bool nothingToDo() { return !busy && !wantedPending && toRelease.empty(); }

void work()
{
    std::unique_lock<std::mutex> held(lock);
    for (;;) {
        wake.wait(held, [] { return stopping || wantedPending || !toRelease.empty(); });
        if (stopping) break;
        busy = true;
        if (!toRelease.empty()) {
            std::vector<int> pieces;
            pieces.swap(toRelease);
            held.unlock();
            for (int piece : pieces) audioReleaseMusic(piece);
            held.lock();
        } else {
            std::string path = wanted;
            wantedPending = false;
            held.unlock();
            int piece = audioPrepareMusic(path);
            held.lock();
            if (wantedPending || stopping) {
                // Another piece was asked for meanwhile: this one is not wanted.
                if (piece >= 0) toRelease.push_back(piece);
            } else {
                readyPiece = piece;
                status = piece >= 0 ? PieceStatus::ready : PieceStatus::failed;
            }
        }
        busy = false;
        if (nothingToDo()) idle.notify_all();
    }
    busy = false;
    idle.notify_all();
    held.unlock();
    audioThreadEnds();
}

} // namespace

void startMusicLoader()
{
    stopMusicLoader();
    std::lock_guard<std::mutex> held(lock);
    stopping = false;
    status = PieceStatus::none;
    readyPiece = -1;
    running = true;
    worker = std::thread(work);
}

void stopMusicLoader()
{
    {
        std::lock_guard<std::mutex> held(lock);
        if (!running) return;
        stopping = true;
    }
    wake.notify_all();
    worker.join();
    std::lock_guard<std::mutex> held(lock);
    if (status == PieceStatus::ready) toRelease.push_back(readyPiece);
    for (int piece : toRelease) audioReleaseMusic(piece);
    toRelease.clear();
    wantedPending = false;
    status = PieceStatus::none;
    readyPiece = -1;
    running = false;
}

void prepareMusicPiece(const std::string& path)
{
    {
        std::lock_guard<std::mutex> held(lock);
        if (!running) return;
        if (status == PieceStatus::ready) toRelease.push_back(readyPiece);
        readyPiece = -1;
        wanted = path;
        wantedPending = true;
        status = PieceStatus::preparing;
    }
    wake.notify_all();
}

PieceStatus takeMusicPiece(int& piece)
{
    std::lock_guard<std::mutex> held(lock);
    PieceStatus result = status;
    if (status == PieceStatus::ready) {
        piece = readyPiece;
        readyPiece = -1;
    }
    // Ready or failed is answered once.
    if (status == PieceStatus::ready || status == PieceStatus::failed) status = PieceStatus::none;
    return result;
}

void releaseMusicPiece(int piece)
{
    if (piece < 0) return;
    {
        std::lock_guard<std::mutex> held(lock);
        if (!running) {
            audioReleaseMusic(piece);
            return;
        }
        toRelease.push_back(piece);
    }
    wake.notify_all();
}

void waitForMusicLoader()
{
    std::unique_lock<std::mutex> held(lock);
    if (!running) return;
    idle.wait(held, [] { return nothingToDo(); });
}
