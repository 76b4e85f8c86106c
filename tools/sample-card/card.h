#pragma once

// The sample memory card: two trips through Berlin recorded by a front and a rear camera, in the recorder's
// three containers and its folder layout.

#include <string>
#include <vector>

namespace samplecard {

struct CardFile {
    std::string path;  // relative to the card's root
    bool front = true;
    bool locked = false;  // the recorder's 'G' mark in the name
    bool readOnly = false;
    int trip = 0;    // 1 or 2
    int minute = 0;  // minute of the trip the recording starts at
};

// What the card holds, in recording order, front before rear.
std::vector<CardFile> CardLayout();

// Makes the card in outDir unless a complete one is there already (a stamp beside the folder says so).
// False with a reason in error; an existing folder that is not a card of ours is never replaced.
bool MakeCard(const std::string& outDir, bool& madeNew, std::string& error);

}  // namespace samplecard
