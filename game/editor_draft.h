#pragma once
// The editor's unsaved work, kept in the player's folder when the program
// ends with it, so that the editor can offer it at the next start.
//
//   NAME          the name line (empty when it held none)
//   ...           the galaxy in the galaxy file format
#include <string>

#include "game/galaxy.h"

inline constexpr const char* editorDraftFileName = "editor.draft";

// Where drafts live; nothing is read or written while it is empty.
void useDraftFolder(const std::string& folder);
// Writes the galaxy and its name through replaceFile; false when it failed.
bool writeEditorDraft(const Galaxy& galaxy);
// Reads the draft into galaxy (its layout, links, players and name); false,
// galaxy untouched, when there is none or it cannot be read as the editor's.
bool readEditorDraft(Galaxy& galaxy);
void removeEditorDraft();
