#pragma once

// Holds the MIDI library dat/GuruGuruSMF.so: selects the output device when
// created, stops and releases the library when destroyed. The game plays no
// MIDI. A missing library leaves the holder inert. One instance at a time: a
// second creation sounds the system alert and does nothing else.
class TLumeMidi {
public:
    TLumeMidi();
    ~TLumeMidi();
    TLumeMidi(const TLumeMidi &) = delete;
    TLumeMidi &operator=(const TLumeMidi &) = delete;

    void StopMidi();

    bool Playing = false;
    bool Active() const { return Owns; }
    // Whether the library was found and loaded.
    bool Loaded() const { return Library != nullptr; }

private:
    using TSetDevice = int (*)(int, int);
    using TCall = void (*)();

    void LoadLibrary();

    bool Owns = false;
    void *Library = nullptr;
    TSetDevice GGSSetDevice = nullptr;
    TCall GGSStop = nullptr;
    TCall GGSFree = nullptr;
};
