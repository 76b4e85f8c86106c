#include "fakevlc.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <type_traits>

namespace fakevlc {

namespace {

template <std::size_t N>
struct Name {
    char text[N];
    constexpr Name(const char (&s)[N]) { std::copy_n(s, N, text); }
};

std::string Show(const char* s) {
    return s ? "\"" + std::string(s) + "\"" : "null";
}
template <class T>
std::string Show(T value) {
    if constexpr (std::is_pointer_v<T>) {
        if (!value) return "null";
        const auto named = Get().names.find((const void*)value);
        return named != Get().names.end() ? named->second : "ptr";
    } else if constexpr (std::is_floating_point_v<T>) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
        return text;
    } else {
        return std::to_string(static_cast<long long>(value));
    }
}

template <class... A>
void Record(std::string_view name, A... args) {
    std::string line(name);
    line += '(';
    bool first = true;
    ((line += (first ? "" : ",") + Show(args), first = false), ...);
    line += ')';
    Get().calls.push_back(line);
}

// One counter for every kind of object, so that no two objects share an address (names go by address).
std::uintptr_t NextFakeAddress() {
    static std::uintptr_t next = 0x10000;
    next += 0x100;
    return next;
}
template <class T>
T FakeObject() {
    return reinterpret_cast<T>(NextFakeAddress());
}

// What each entry point answers; the bookkeeping of live objects happens here.
template <class R>
R Answer(std::string_view name) {
    State& s = Get();
    if constexpr (std::is_void_v<R>) {
        if (name == "libvlc_media_release") --s.liveMedia;
        if (name == "libvlc_media_player_release") --s.livePlayers;
        if (name == "libvlc_release") --s.liveInstances;
        return;
    } else if constexpr (std::is_pointer_v<R>) {
        if (name == "libvlc_new") {
            if (s.failInstance) return nullptr;
            ++s.liveInstances;
        }
        if (name == "libvlc_media_player_new") {
            if (s.failPlayer) return nullptr;
            ++s.livePlayers;
            R player = FakeObject<R>();
            if (static_cast<std::size_t>(s.livePlayers) <= s.playerNames.size()) {
                s.names[player] = s.playerNames[s.livePlayers - 1];
            }
            return player;
        }
        if (name == "libvlc_media_new_path") ++s.liveMedia;
        return FakeObject<R>();
    } else {
        if (name == "libvlc_media_player_get_length") return 61500;
        if (name == "libvlc_media_player_get_time") return 1234;
        return R{};
    }
}

template <Name name, class F>
struct Recorder;
template <Name name, class R, class... A>
struct Recorder<name, R (*)(A...)> {
    static R Call(A... args) {
        Record(name.text, args...);
        return Answer<R>(name.text);
    }
};

class FakeLibrary final : public VlcLibrary {
  public:
    explicit FakeLibrary(std::string missing) : missing_(std::move(missing)) {}

    std::string Open(VlcApi& api) override {
        Get().calls.push_back("open");
        if (!missing_.empty()) return "fake has no entry point " + missing_;
#define ORVAN_VLC_FUNCTION(fn) api.fn = &Recorder<#fn, decltype(api.fn)>::Call;
#include "playback/vlcfunctions.inc"
#undef ORVAN_VLC_FUNCTION
        return {};
    }
    void Close() override {
        Get().calls.push_back("close");
    }

  private:
    std::string missing_;
};

}  // namespace

State& Get() {
    static State state;
    return state;
}

void Reset() {
    Get() = State{};
}

std::vector<std::string> Calls(const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& c : Get().calls) {
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    }
    return out;
}

int Count(const std::string& name) {
    return static_cast<int>(std::count_if(Get().calls.begin(), Get().calls.end(), [&](const std::string& c) {
        return c == name || c.rfind(name + "(", 0) == 0;
    }));
}

std::unique_ptr<VlcLibrary> MakeLibrary(std::string missingSymbol) {
    return std::make_unique<FakeLibrary>(std::move(missingSymbol));
}

}  // namespace fakevlc
