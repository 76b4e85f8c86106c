#include "playback/vlcapi.h"

namespace {

template <class Function>
bool Bind(VlcSymbolFinder find, void* context, const char* name, Function& entry) {
    // POSIX guarantees that an object pointer from dlsym converts to a function pointer; so does Windows.
    entry = reinterpret_cast<Function>(find(context, name));
    return entry != nullptr;
}

}  // namespace

std::string ResolveVlcApi(VlcSymbolFinder find, void* context, VlcApi& api) {
    VlcApi found;
#define ORVAN_VLC_FUNCTION(name) \
    if (!Bind(find, context, #name, found.name)) return #name;
#include "playback/vlcfunctions.inc"
#undef ORVAN_VLC_FUNCTION
    api = found;
    return {};
}
