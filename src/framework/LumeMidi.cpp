#include "LumeMidi.h"

#include "LumeUtility.h"

#include <dlfcn.h>

namespace {

bool Instance = false;

// Relative to the working folder, like every data file of the game.
constexpr const char *LibraryPath = "dat/GuruGuruSMF.so";

} // namespace

TLumeMidi::TLumeMidi()
{
    if (Instance) {
        SystemAlert();
        return;
    }
    Instance = true;
    Owns = true;
    LoadLibrary();
    if (GGSSetDevice)
        GGSSetDevice(-1, 0);
    Playing = false;
}

TLumeMidi::~TLumeMidi()
{
    // A guarded second instance never loaded anything and must not release
    // the first one's library nor its flag.
    if (!Owns)
        return;
    StopMidi();
    if (GGSFree)
        GGSFree();
    if (Library)
        dlclose(Library);
    Instance = false;
}

void TLumeMidi::StopMidi()
{
    if (GGSStop)
        GGSStop();
    Playing = false;
}

// Loads the library and resolves the three calls the game makes. A library
// that is missing or lacks one of them is not used at all, so the holder
// stays inert rather than half working.
void TLumeMidi::LoadLibrary()
{
    void *library = dlopen(LibraryPath, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return;
    auto setDevice = reinterpret_cast<TSetDevice>(dlsym(library, "GGSSetDevice"));
    auto stop = reinterpret_cast<TCall>(dlsym(library, "GGSStop"));
    auto release = reinterpret_cast<TCall>(dlsym(library, "GGSFree"));
    if (!setDevice || !stop || !release) {
        dlclose(library);
        return;
    }
    Library = library;
    GGSSetDevice = setDevice;
    GGSStop = stop;
    GGSFree = release;
}
