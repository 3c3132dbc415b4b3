#pragma once
// The galaxy editor: the states "openEditor", "editor" and "confirm" (their
// handlers are declared in app/screens.h) and the values that outlive them.
#include <array>
#include <string>

// The kinds a star can be given, by button: normal, golden, dark.
extern const std::array<const char*, 3> starKindNames;
// Index into starKindNames of the kind for new stars; kept for the whole run.
extern int currentKind;

// How long the panel's line about a save or a refused galaxy stays.
constexpr int editorMessageMs = 4000;
// The line shown in the panel now ("" for none), e.g. "Saved: NOVA".
std::string editorMessage();

void resetEditorForTests();
