#pragma once
// The ten games by choice number (1..10, alphabetical) and what the window
// needs to know about each without knowing its rules.

#include <QString>

struct GameChoice {
    const char* name;      // display name, also the window caption
    const char* helpFile;  // bare file name beside the executable
    bool dragStyle;        // cards follow the pointer; else press selects, release acts
    bool dealAfterNew;     // Deal enabled by New
};

constexpr int kFirstChoice = 1;
constexpr int kLastChoice = 10;
namespace choice {
constexpr int BakersDozen = 1, BCastle = 2, Bisley = 3, Decade = 4, Fourteens = 5, Golf = 6, Maze = 7,
              MonteCarlo = 8, Pyramid = 9, Scorpion = 10;
}

// nullptr outside 1..10.
const GameChoice* gfGameChoice(int aenmChoice);
