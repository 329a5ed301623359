#include "module.h"

#include <dlfcn.h>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

template <typename Fn> Fn entry(void* module, const char* name) {
    void* address = dlsym(module, name);
    if (!address) {
        throw std::runtime_error(std::string("quorpix.so lacks ") + name);
    }
    return reinterpret_cast<Fn>(address);
}

QuorpixModule load() {
    const auto path = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "quorpix.so";
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        throw std::runtime_error(std::string("cannot load ") + path.string() + ": " + dlerror());
    }
    return {entry<PicCountFn>(module, "_Pic_Count"),
            entry<PicTextFn>(module, "_Pic_Description"),
            entry<PicTextFn>(module, "_Pic_Pattern"),
            entry<PicTextFn>(module, "_Pic_Extension"),
            entry<PicSaveFormatsFn>(module, "_Pic_GetSaveFormats"),
            entry<PicValidFn>(module, "_Pic_Valid"),
            entry<AnyToBmpFn>(module, "_anytobmps"),
            entry<AnyToBmpFn>(module, "_anytogrey"),
            entry<BmpToAnyFn>(module, "_bmptoanys"),
            entry<PicConvertFn>(module, "_Pic_Convert"),
            entry<WinImageShowFn>(module, "_WinImageShow")};
}

} // namespace

const QuorpixModule& quorpix() {
    static const QuorpixModule module = load();
    return module;
}
