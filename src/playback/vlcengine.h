#pragma once

#include <memory>
#include <string>
#include <vector>

#include "playback/vlcapi.h"
#include "playback/vlclibrary.h"

// The process-wide half of the engine binding: the library, its table of entry points and the one engine
// instance, shared by every VideoPlayer. The first player to join opens the library and makes the instance;
// the last one to leave releases the instance and closes the library. Once anything has failed the engine
// stays unavailable for the life of the object, and every player turns its operations into no-ops.
//
// Joining and leaving happen on the GUI thread only; nothing here is touched by the engine's own threads.
class VlcEngine {
  public:
    // extraArguments are appended to the instance's argument vector (tests quieten the sound output).
    VlcEngine(std::unique_ptr<VlcLibrary> library, std::vector<std::string> extraArguments);
    VlcEngine(const VlcEngine&) = delete;
    VlcEngine& operator=(const VlcEngine&) = delete;
    ~VlcEngine();

    // The engine every default-constructed VideoPlayer uses. Its library file is the environment variable
    // ORVAN_LIBVLC when set, kVlcLibraryFile otherwise; ORVAN_LIBVLC_ARGS (words separated by spaces) adds
    // instance arguments. Both are read once, on first use.
    static VlcEngine& Process();

    // A player arrives. On the first arrival the library is opened and the instance created. Returns whether
    // the engine is available. Every Join is matched by one Leave, available or not.
    bool Join();
    // A player has released its own engine objects and goes. After the last one the instance is released and
    // then the library closed.
    void Leave();
    // Something a player needed failed (e.g. its media player could not be made): the engine stays off.
    void MarkUnavailable(std::string reason);

    bool IsAvailable() const { return available_; }
    const VlcApi& Api() const { return api_; }
    libvlc_instance_t* Instance() const { return instance_; }
    // Whether players hand their pane's window to the engine: only on the X11 (xcb) Qt platform. Anywhere
    // else a window id may be fake, and the instance renders to the dummy video output instead.
    bool BindsWindows() const { return bindsWindows_; }
    // Why the engine is unavailable; empty while it is available.
    const std::string& Error() const { return error_; }
    // The argument vector of the current (or last) instance.
    const std::vector<std::string>& Arguments() const { return arguments_; }

  private:
    bool Start();

    std::unique_ptr<VlcLibrary> library_;
    std::vector<std::string> extraArguments_;
    VlcApi api_;
    bool libraryOpen_ = false;
    libvlc_instance_t* instance_ = nullptr;
    bool available_ = true;
    bool bindsWindows_ = false;
    int players_ = 0;
    std::string error_;
    std::vector<std::string> arguments_;
};
