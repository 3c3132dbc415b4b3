#pragma once
// The galaxy editor's operations on the editorGalaxy: placing, typing,
// linking, unlinking, dragging and removing stars, the tidy-up, the player
// count, loading and saving. The editor's screens (screens/editor.cpp) read
// the pointer and the buttons and call these.
#include <array>
#include <string>

#include "game/galaxy.h"

// The kinds a star can be given, by button: normal, golden, dark.
extern const std::array<const char*, 3> starKindNames;
// Index into starKindNames of the kind for new stars; kept for the whole run.
extern int currentKind;

// The slot the editor has selected (noOwner: none); it may have been emptied since.
extern int editorSelectedStar;

// The galaxy the editor opens with the first time: a dark and a normal star.
void startFirstEditorGalaxy();
// The selected slot if it holds a star, else noOwner.
int editorSelection();
// The star of the editor's galaxy at (x, y), or the selection when the
// pointer is on the control strip.
int editorStarAt(double x, double y);
// New stars get this kind, and so does the selected star.
void chooseStarKind(int kind);
// One more or one fewer player, within 2 to 8.
void changePlayerCount(int delta);
// Removes the selected star with its links; nothing is selected after it.
void removeSelectedStar();
void unlinkSelectedStar();
// A press at (x, y) on the board: links the selected star to a star there,
// places a star of the current kind there when there is room, and selects
// what lies there.
void pressOnEditorBoard(double x, double y);
// Moves the selected star to (x, y), kept whole on the board.
void dragSelectedStar(double x, double y);
// On release: of two stars that touch or two links that cross, one goes.
void tidyEditorGalaxy();

// The name line types at most this many capitals, digits and spaces.
constexpr int editorNameLength = 40;
// The name without the spaces at its ends: a name of spaces only is empty.
std::string trimmedName(const std::string& name);
// Whether the name line can hold the name as it is, so that the name it
// gives back is the same file's.
bool isTypeableName(const std::string& name);

// Loads the built-in galaxy (the name stays) or the galaxy file fileName
// into the editor: "" when loaded, else why not, with the work before it
// kept: a galaxy that cannot be read, or one with more places than the editor
// makes (the tidy-up grows with the square of the links). A file whose name
// the line could not give back comes in with no name, so that no save can
// write a file other than the one the line shows.
std::string loadIntoEditor(bool builtIn, const std::string& fileName);

// Standard: one of the six standard names, whose file a save would replace
// or hide.
enum class SaveCheck { Ready, NoName, Standard, Exists };
// Whether the galaxy can be saved under its name as it is.
SaveCheck checkSave();
// Writes the galaxy under its name: "" on success, else why it failed.
std::string saveEditorGalaxy();

void resetEditorForTests();
