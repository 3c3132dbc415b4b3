#include "game/editor_draft.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include <unistd.h>

#include "base/file_read.h"
#include "base/file_replace.h"
#include "game/editor.h"
#include "game/galaxy_file.h"

namespace {

std::string draftFolder;

std::string draftPath() { return draftFolder + "/" + editorDraftFileName; }

} // namespace

void useDraftFolder(const std::string& folder) { draftFolder = folder; }

bool writeEditorDraft(const Galaxy& galaxy)
{
    if (draftFolder.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(draftFolder, ec);
    std::ostringstream text;
    text << (isTypeableName(galaxy.name) ? galaxy.name : "") << '\n';
    writeGalaxyText(text, galaxy);
    int error = 0;
    return replaceFile(draftPath(), draftPath() + ".tmp", text.str(), error);
}

bool readEditorDraft(Galaxy& galaxy)
{
    std::string text;
    if (draftFolder.empty() || readWholeFile(draftPath(), maxGalaxyFileBytes, text) != FileRead::ok) return false;
    std::istringstream in(text);
    Galaxy read;
    std::getline(in, read.name);
    if (!isTypeableName(read.name)) read.name.clear();
    const std::string name = read.name;
    if (!read.readFrom(in) || read.slotCount() > maxStars) return false;
    read.name = name;
    galaxy = std::move(read);
    editorSelectedStar = noOwner;
    return true;
}

void removeEditorDraft()
{
    if (!draftFolder.empty()) ::unlink(draftPath().c_str());
}
