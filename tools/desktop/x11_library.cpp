// Loading Xlib with dlopen: each function found by its name, all of them or none.
#include "tools/desktop/x11_library.h"

#include <dlfcn.h>

namespace desktop {

const X11Library* loadX11(std::string& error) {
    static X11Library loaded;
    static bool ready = false;
    if (ready) return &loaded;
    void* handle = dlopen("libX11.so.6", RTLD_NOW | RTLD_GLOBAL);
    if (handle == nullptr) {
        error = "Xlib (libX11.so.6) cannot be loaded";
        return nullptr;
    }
    X11Library found;
#define DESKTOP_X11_FIND(name)                                                   \
    found.name = reinterpret_cast<decltype(found.name)>(dlsym(handle, #name));  \
    if (found.name == nullptr) {                                                 \
        error = std::string("Xlib has no ") + #name;                             \
        return nullptr;                                                          \
    }
    DESKTOP_X11_FUNCTIONS(DESKTOP_X11_FIND)
#undef DESKTOP_X11_FIND
    loaded = found;
    ready = true;
    return &loaded;
}

}  // namespace desktop
