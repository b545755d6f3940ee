// libFuzzer target for the wave reader; scripts/fuzz.sh builds and runs it. Besides staying inside
// the buffer (the sanitizers watch that), an accepted file must describe playable samples that lie
// inside the image.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "media/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto wave = WaveFile::Read(std::span(data, size));
    if (!wave) return 0;
    const std::size_t frame = std::size_t(wave->channels) * std::size_t(wave->bitsPerSample / 8);
    const bool sane = wave->channels >= 1 && wave->sampleRate > 0 && frame > 0 && wave->dataOffset <= size &&
                      wave->dataLength <= size - wave->dataOffset && wave->dataLength % frame == 0;
    if (!sane) std::abort();
    return 0;
}
