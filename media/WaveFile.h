#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Where the samples of an in-memory RIFF "WAVE" image are and how to play them. Read walks the
// chunks and never reads outside the image; it accepts what real files carry (unknown chunks,
// a longer "fmt " chunk, a RIFF length that overstates the file, a missing final pad byte) and
// refuses anything it could not play as plain PCM.
class WaveFile {
public:
    static std::optional<WaveFile> Read(std::span<const std::uint8_t> image);

    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    // The "data" chunk's samples, whole frames only, as a range of the image.
    std::size_t dataOffset = 0;
    std::size_t dataLength = 0;
};
