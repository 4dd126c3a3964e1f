// Preloaded into a program under measurement: reports every buffer swap on
// standard error as "obx-frame <CLOCK_MONOTONIC nanoseconds>", so that the
// benchmark sees when a frame reached the screen without the program itself
// knowing anything of it. The line is written with one write() and thus
// keeps its place among the program's own log lines.

#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

namespace {

void reportFrame()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char line[64];
    const int length =
        std::snprintf(line, sizeof line, "obx-frame %lld\n",
                      static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    if (length > 0 && write(STDERR_FILENO, line, static_cast<size_t>(length)) < 0)
        return;
}

template <typename Function> Function next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

void glXSwapBuffers(void* display, unsigned long drawable)
{
    using Swap = void (*)(void*, unsigned long);
    static const Swap swap = next<Swap>("glXSwapBuffers");
    if (swap)
        swap(display, drawable);
    reportFrame();
}

unsigned int eglSwapBuffers(void* display, void* surface)
{
    using Swap = unsigned int (*)(void*, void*);
    static const Swap swap = next<Swap>("eglSwapBuffers");
    const unsigned int result = swap ? swap(display, surface) : 0;
    reportFrame();
    return result;
}
}
