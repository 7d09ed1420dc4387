#pragma once

#include <string>

// Plays one wave file at a time in the background, looped on request. A
// missing file or no audio device means silence. One instance at a time: a
// second creation sounds the system alert and does nothing else.
class TLumeWave {
public:
    TLumeWave();
    ~TLumeWave();
    TLumeWave(const TLumeWave &) = delete;
    TLumeWave &operator=(const TLumeWave &) = delete;

    // Stops whatever plays and starts FileName (a path relative to the
    // working folder); returns at once.
    void PlayWave(const std::string &FileName, bool Loop);
    void StopWave();

    std::string FileName; // the wave last started; empty when stopped
    bool Looping = false; // whether it loops; false when stopped

    bool Active() const { return Owns; }

private:
    bool Owns = false;
};
