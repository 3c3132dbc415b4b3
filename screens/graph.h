#pragma once
// The course of a game as a picture: per player, in its colour, one figure
// of every turn cycle's end against the turns. The statistics screen and the
// replay viewer draw it from the game's history.
#include <vector>

#include "game/game_state.h"

enum class GraphMeasure { Stars, Income, Armies };

// The next measure, round: stars, income, armies, stars.
GraphMeasure nextGraphMeasure(GraphMeasure measure);
// The measure's name as the player reads it ("stars").
const char* graphMeasureName(GraphMeasure measure);

// Draws the figures of the cycles ended by uptoTurn into the box at x, y of
// w by h: axes with turns and values, a line per player, ending where the
// player fell; a long game's turns share the width. Nothing to draw yet: a
// line saying so.
void drawCourseGraph(const std::vector<TurnFigures>& history, int uptoTurn, GraphMeasure measure, int x, int y,
                     int w, int h);
