#pragma once
// How the expert computer player (ai/expert.h) weighs its choices.

// The weights of its play; the defaults are the ones the strength runs chose.
struct ExpertStyle {
    // Value of a star taken per income point, and of putting a player out.
    double incomeWeight = 1.0;
    double eliminationBonus = 6.0;
    // Value of a conquest per own star it takes off the front, and per
    // enemy star the conquered star faces.
    double closedBonus = 0.5;
    double exposedPenalty = 0.3;
    // An attack is made when its chance is at least this.
    double minChance = 0.7;
    // Part of the threat against an own star kept there, by income 1, 3, 7.
    double keepShare[3] = {1.0, 2.0, 3.0};
    // Part of the turn's armies that may go to the defence of threatened stars.
    double defenceShare = 0.5;
    // Planned conquests in a row per strike, and their discount.
    int chainLength = 8;
    double chainDiscount = 0.8;
    // Each attack weighed against ending the turn by playing on where that
    // fits the budget (ai/expert_lookahead.h), over this many rollouts each.
    bool lookahead = true;
    int rollouts = 4;
};
