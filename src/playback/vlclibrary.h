#pragma once

#include <memory>
#include <string>

#include "playback/vlcapi.h"

// The engine library's file name on each platform; the only place it is spelled.
#ifdef _WIN32
inline constexpr char kVlcLibraryFile[] = "libvlc.dll";
#else
inline constexpr char kVlcLibraryFile[] = "libvlc.so.5";
#endif

// The engine library as the binding sees it: opened, its entry points found, closed again.
class VlcLibrary {
  public:
    virtual ~VlcLibrary() = default;
    // Opens the library and fills api. Returns an empty string on success, otherwise what failed: the
    // loader's message, or the name of the missing entry point. A failed Open leaves nothing open.
    virtual std::string Open(VlcApi& api) = 0;
    // Closes what a successful Open opened; the table filled by it must not be used afterwards.
    virtual void Close() = 0;
};

// The library file fileName (a bare name is searched for the platform's way), opened with the platform's
// loader. Implemented per platform: vlclibrary_unix.cpp (dlopen, dlsym); a Windows build adds its own.
std::unique_ptr<VlcLibrary> MakeVlcLibrary(std::string fileName);
