#pragma once

// A stand-in for the engine library, for checking which entry points the binding calls, in which order and
// how often. Every entry point records "name(arg,...)" in Calls(); objects it hands out are fake addresses
// that are never dereferenced.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "playback/vlclibrary.h"

namespace fakevlc {

struct State {
    std::vector<std::string> calls;  // also "open" and "close" of the library itself
    bool failInstance = false;       // libvlc_new returns null
    bool failPlayer = false;         // libvlc_media_player_new returns null
    int liveMedia = 0;               // media made and not yet released
    int livePlayers = 0;
    int liveInstances = 0;
    // Names given to the media players in the order they are made ("front", "rear"); a named player shows
    // as its name in the calls instead of "ptr".
    std::vector<std::string> playerNames;
    std::map<const void*, std::string> names;
};

State& Get();
void Reset();
// The calls recorded whose name starts with prefix, in order.
std::vector<std::string> Calls(const std::string& prefix = "");
int Count(const std::string& name);

// A library whose Open fills the table with the recorders, or fails naming missingSymbol when that is set.
std::unique_ptr<VlcLibrary> MakeLibrary(std::string missingSymbol = {});

}  // namespace fakevlc
