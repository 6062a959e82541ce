// Preloaded by the window tests' no_sdl case (LD_PRELOAD): stands for a machine without SDL2.
// Every dlopen of a library whose name contains "SDL" fails, and each attempt appends the
// name to the file named by REFUSE_SDL_LOG, so that a test also sees whether a run tried at
// all. Other libraries open as usual.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" void* dlopen(const char* file, int mode) {
    if (file && std::strstr(file, "SDL")) {
        if (const char* log = std::getenv("REFUSE_SDL_LOG")) {
            if (std::FILE* out = std::fopen(log, "a")) {
                std::fprintf(out, "%s\n", file);
                std::fclose(out);
            }
        }
        return nullptr;
    }
    using Open = void* (*)(const char*, int);
    static Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "dlopen"));
    return real ? real(file, mode) : nullptr;
}
