#pragma once
// Opening an address in the desktop's browser.
#include <string>

// Hands the address to the desktop and returns at once; false when that failed
// (no desktop, no browser). Nothing is shown either way.
bool openUrl(const std::string& url);
// The file:// address of an absolute path, with every byte outside the
// unreserved set and '/' percent-encoded.
std::string fileUrl(const std::string& absolutePath);
