#pragma once

// The six sounds of play, numbered as their recordings are.
enum class SoundCue : int { Won = 0, Pick = 1, Drop = 2, Return = 3, Deal = 4, GiveUp = 5 };
