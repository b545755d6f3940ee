#pragma once

#include "base/SoundCue.h"

// Plays the sound of something that just happened on the table.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    virtual void PlayCue(SoundCue cue) = 0;
};
