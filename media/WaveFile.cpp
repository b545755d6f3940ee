#include "media/WaveFile.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t Le16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}
bool Is(const std::uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

constexpr std::uint16_t FormatPcm = 1;
// More would mean a file made for something other than a card game's cues.
constexpr int MaxChannels = 8;
constexpr std::uint32_t MaxRate = 384'000;

}  // namespace

std::optional<WaveFile> WaveFile::Read(std::span<const std::uint8_t> image) {
    if (image.size() < 12 || !Is(image.data(), "RIFF") || !Is(image.data() + 8, "WAVE")) return std::nullopt;
    // Old writers put a RIFF length larger than the file; the chunks inside decide, within the
    // image. A shorter length is honoured: what follows it is not part of the file.
    const std::size_t end = std::min<std::size_t>(image.size(), std::size_t(Le32(image.data() + 4)) + 8);
    if (end < 12) return std::nullopt;

    WaveFile wave;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (end - at >= 8 && !(haveFormat && haveData)) {
        const std::uint8_t* header = image.data() + at;
        const std::size_t size = Le32(header + 4);
        const std::size_t body = at + 8;
        if (size > end - body) return std::nullopt;
        if (Is(header, "fmt ") && !haveFormat) {
            if (size < 16) return std::nullopt;
            const std::uint8_t* f = image.data() + body;
            if (Le16(f) != FormatPcm) return std::nullopt;
            const std::uint16_t channels = Le16(f + 2);
            const std::uint32_t rate = Le32(f + 4);
            const std::uint16_t bits = Le16(f + 14);
            if (channels < 1 || channels > MaxChannels || rate == 0 || rate > MaxRate) return std::nullopt;
            if (bits != 8 && bits != 16) return std::nullopt;
            wave.channels = channels;
            wave.sampleRate = static_cast<int>(rate);
            wave.bitsPerSample = bits;
            haveFormat = true;
        } else if (Is(header, "data") && !haveData) {
            wave.dataOffset = body;
            wave.dataLength = size;
            haveData = true;
        }
        // Chunks are padded to an even length; the last pad byte may be missing.
        at = body + size + (size & 1);
        if (at > end) break;
    }
    if (!haveFormat || !haveData) return std::nullopt;
    const std::size_t frame = std::size_t(wave.channels) * std::size_t(wave.bitsPerSample / 8);
    wave.dataLength -= wave.dataLength % frame;
    return wave;
}
