// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The system alert sound (the one-instance guards sound it). Silent until
// the window's toolkit names its beep, so that this layer needs no widgets.
using TLumeAlertSound = void (*)();
void SetSystemAlert(TLumeAlertSound Sound);
void SystemAlert();

// The one-instance rule of the framework's holders (timer, waves, MIDI): the
// first instance claims Taken and owns the resource; another one made while
// it lives sounds the system alert and stays inert, and its end leaves the
// first one's claim alone. Declared before the members that hold what it
// guards, it is released after them.
class TLumeClaim {
public:
    explicit TLumeClaim(bool &Taken) : Taken(Taken), Owned(!Taken)
    {
        if (Owned)
            Taken = true;
        else
            SystemAlert();
    }
    ~TLumeClaim()
    {
        if (Owned)
            Taken = false;
    }
    TLumeClaim(const TLumeClaim &) = delete;
    TLumeClaim &operator=(const TLumeClaim &) = delete;

    bool Owns() const { return Owned; }

private:
    bool &Taken;
    const bool Owned;
};
