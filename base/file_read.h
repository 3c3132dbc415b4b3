#pragma once
// Reading the files the game is handed (galaxies, lists, volume files, WAV
// and MIDI files) without ever waiting on something that only looks like a
// file. Anything that is not a regular file (a FIFO, a device such as
// /dev/zero, a folder, a link to one of those) counts as missing and is
// never read from, and the caller states how many bytes it is ready to take.
#include <cstddef>
#include <string>

enum class FileRead {
    ok,
    missing,  // absent, unreadable, or not a regular file
    tooLarge, // a regular file longer than the bound, left unread
};

// The whole file into text when it holds at most maxBytes.
FileRead readWholeFile(const std::string& path, size_t maxBytes, std::string& text);

// The first headBytes of a file of at most maxBytes (fewer if it is shorter).
FileRead readFileHead(const std::string& path, size_t maxBytes, size_t headBytes, std::string& text);

// A list of words: at most the first maxBytes of the file, whatever its
// length. When the file is longer, the text ends at the last white space
// within the bound, so that no word is cut: the list reads as if the file
// ended before the cut word.
FileRead readWordList(const std::string& path, size_t maxBytes, std::string& text);
