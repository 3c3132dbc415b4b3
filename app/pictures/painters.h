#pragma once
// One painter per built-in picture.
#include "engine/image.h"

void paintNormalStar(Image& im);
void paintGoldenStar(Image& im);
void paintDarkStar(Image& im);
void paintIncArrow(Image& im);
void paintDecArrow(Image& im);
void paintArrowUp(Image& im);
void paintArrowDown(Image& im);
void paintSelectionArrow(Image& im);
void paintBullet(Image& im);

void paintTitle(Image& im);
void paintMainMenu(Image& im);
void paintBackground(Image& im);
void paintBigbar(Image& im);

void paintMenuNormal(Image& im);
void paintMenuShort(Image& im);
void paintSilverButton(Image& im);
void paintLongSilverButton(Image& im);
void paintLoadButton(Image& im);
void paintLoadBasic(Image& im);
void paintOptionsBack(Image& im);
void paintAboutMoreGames(Image& im);
void paintAboutMainMenu(Image& im);

void paintHelpPage1(Image& im);
void paintHelpPage2(Image& im);
void paintHelpPage3(Image& im);
void paintHelpCaption(Image& im);
void paintOptionsCaption(Image& im);
void paintAboutText(Image& im);

// A small galaxy of linked stars, as on the board, for the larger pictures.
void paintStarMap(Image& im, double x, double y, double w, double h, uint32_t seed, int stars, double starScale);
