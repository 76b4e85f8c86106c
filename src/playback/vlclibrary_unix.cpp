#include <dlfcn.h>

#include <utility>

#include "playback/vlclibrary.h"

namespace {

class DlVlcLibrary final : public VlcLibrary {
  public:
    explicit DlVlcLibrary(std::string fileName) : fileName_(std::move(fileName)) {}
    ~DlVlcLibrary() override { Close(); }

    std::string Open(VlcApi& api) override {
        if (handle_) return {};
        void* handle = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = dlerror();
            return why ? why : fileName_ + ": cannot be loaded";
        }
        std::string missing =
            ResolveVlcApi([](void* h, const char* name) { return dlsym(h, name); }, handle, api);
        if (!missing.empty()) {
            dlclose(handle);
            return fileName_ + " has no entry point " + missing;
        }
        handle_ = handle;
        return {};
    }

    void Close() override {
        if (handle_) dlclose(handle_);
        handle_ = nullptr;
    }

  private:
    std::string fileName_;
    void* handle_ = nullptr;
};

}  // namespace

std::unique_ptr<VlcLibrary> MakeVlcLibrary(std::string fileName) {
    return std::make_unique<DlVlcLibrary>(std::move(fileName));
}
