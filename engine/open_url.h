#pragma once
// Opening an address in the desktop's browser.
#include <string>

// The desktop's opener, xdg-open, as the first executable of that name in a
// folder of $PATH; empty when there is none. The platform starts it by the
// same name, and when it cannot be started nothing reports the failure, so
// only an opener found here is worth a request.
std::string findUrlOpener();
// Hands the address to the desktop and returns at once; false when there is
// no opener or the request could not be made. Nothing is shown either way.
bool openUrl(const std::string& url);
// The file:// address of an absolute path, with every byte outside the
// unreserved set and '/' percent-encoded.
std::string fileUrl(const std::string& absolutePath);
