#include "core/gamechoices.h"

namespace {
const GameChoice kChoices[] = {
    {"Baker's Dozen", "BDozen.hlp", true, false},
    {"Beleaguered Castle", "BCastle.hlp", true, false},
    {"Bisley", "Bisley.hlp", true, false},
    {"Decade", "Decade.hlp", false, true},
    {"Fourteens", "14.hlp", false, false},
    {"Golf", "Golf.hlp", false, true},
    {"Maze", "Maze.hlp", true, false},
    {"Monte Carlo", "MC.hlp", false, false},
    {"Pyramid", "Pyramid.hlp", false, true},
    {"Scorpion", "Scorpion.hlp", true, true},
};
}

const GameChoice* gfGameChoice(int aenmChoice)
{
    if (aenmChoice < kFirstChoice || aenmChoice > kLastChoice)
        return nullptr;
    return &kChoices[aenmChoice - kFirstChoice];
}
