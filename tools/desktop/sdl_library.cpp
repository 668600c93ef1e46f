// Loading SDL2 with dlopen: each function found by its name, all of them or none.
#include "tools/desktop/sdl_library.h"

#include <dlfcn.h>

namespace desktop {

namespace {

constexpr char kSystemSdl[] = "libSDL2-2.0.so.0";

SdlLibrary loaded;
bool ready = false;

bool findFunctions(void* handle, std::string& error) {
    SdlLibrary found;
#define DESKTOP_SDL_FIND(name)                                                         \
    found.name = reinterpret_cast<decltype(found.name)>(dlsym(handle, #name));        \
    if (found.name == nullptr) {                                                       \
        error = std::string("SDL2 has no ") + #name + " (SDL 2.0.18 or later is needed)"; \
        return false;                                                                  \
    }
    DESKTOP_SDL_FUNCTIONS(DESKTOP_SDL_FIND)
#undef DESKTOP_SDL_FIND
    loaded = found;
    return true;
}

}  // namespace

// A library once loaded stays: its windows and events may outlive any one call.
const SdlLibrary* loadSdl(const char* file, std::string& error) {
    if (ready) return &loaded;
    const char* name = file != nullptr ? file : kSystemSdl;
    void* handle = dlopen(name, RTLD_NOW | RTLD_GLOBAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        error = std::string("SDL2 cannot be loaded (") + (why != nullptr ? why : name) + ")";
        return nullptr;
    }
    if (!findFunctions(handle, error)) {
        dlclose(handle);
        return nullptr;
    }
    ready = true;
    return &loaded;
}

const SdlLibrary& sdl() { return loaded; }

}  // namespace desktop
