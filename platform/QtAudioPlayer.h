#pragma once

#include "platform/AudioPlayer.h"

// Built into the audio module only: plays through Qt Multimedia's QAudioSink on the thread that
// made it.
extern "C" Q_DECL_EXPORT AudioPlayer* TvdlMakeAudioPlayer1(const AudioPlayer::RefusalHandler& refused);
