#pragma once

#include <string>

// Declarations only: the library is never linked, these give the table its exact C signatures.
#include <vlc/vlc.h>

// The engine's entry points as found in the loaded library. Members carry the names of the C functions, so
// a call reads api.libvlc_media_player_play(player).
struct VlcApi {
#define ORVAN_VLC_FUNCTION(name) decltype(&::name) name = nullptr;
#include "playback/vlcfunctions.inc"
#undef ORVAN_VLC_FUNCTION
};

// Looks every entry point up through find(context, name). Returns the name of the first one find does not
// know, leaving api untouched, or an empty string when the table is complete.
using VlcSymbolFinder = void* (*)(void* context, const char* name);
std::string ResolveVlcApi(VlcSymbolFinder find, void* context, VlcApi& api);
