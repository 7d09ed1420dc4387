#pragma once

// Holds the MIDI library dat/GuruGuruSMF.so: selects the output device when
// created, stops and releases the library when destroyed. The game plays no
// MIDI. A missing library leaves the holder inert. One instance at a time.
class TLumeMidi {
public:
    TLumeMidi();
    ~TLumeMidi();
    TLumeMidi(const TLumeMidi &) = delete;
    TLumeMidi &operator=(const TLumeMidi &) = delete;

    void StopMidi();

    bool Playing = false;
    bool Active() const { return Owns; }

private:
    bool Owns = false;
    void *Library = nullptr;
};
