// Synthesises the six sound cues and writes them as 8-bit mono PCM wave files, byte for byte the
// same on every run (a fixed-seed noise source, no clock, no library randomness).
//
//   make_sounds <folder>           writes won, pick, drop, return, deal and giveup.wav into <folder>
//   make_sounds --check <folder>   only checks that the files in <folder> match what it would write
//
// The files keep the layout the game has always shipped: cue 1 carries a "LIST" chunk after its
// data, cue 3 has a RIFF length 8 bytes too large, cue 4 an 18-byte "fmt " chunk and a "fact"
// chunk. The reader in media/ must cope with all of that, so the generator reproduces it.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double Pi = std::numbers::pi;

// xorshift32: the same sequence on every machine.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    // Uniform in [-1, 1).
    double Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state;
};

// One-pole filters, enough to colour noise.
struct LowPass {
    double a, y = 0;
    LowPass(double cutoff, double rate) : a(1.0 - std::exp(-2.0 * Pi * cutoff / rate)) {}
    double operator()(double x) { return y += a * (x - y); }
};
struct HighPass {
    LowPass low;
    HighPass(double cutoff, double rate) : low(cutoff, rate) {}
    double operator()(double x) { return x - low(x); }
};

// Attack-decay envelope: linear rise over `attack` seconds, then exponential fall with time
// constant `decay`.
double Envelope(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Fades the first and last few milliseconds so no cue starts or ends with a click.
void FadeEdges(std::vector<double>& s, double rate, double inMs, double outMs) {
    const auto in = static_cast<std::size_t>(rate * inMs / 1000.0);
    const auto out = static_cast<std::size_t>(rate * outMs / 1000.0);
    for (std::size_t i = 0; i < in && i < s.size(); ++i) s[i] *= double(i) / double(in);
    for (std::size_t i = 0; i < out && i < s.size(); ++i) s[s.size() - 1 - i] *= double(i) / double(out);
}

// Scales to the given peak and quantises to unsigned 8 bits with triangular dither.
std::vector<std::uint8_t> Quantise(std::vector<double> s, double peak, std::uint32_t seed) {
    double max = 1e-9;
    for (double v : s) max = std::max(max, std::abs(v));
    Noise dither(seed);
    std::vector<std::uint8_t> out;
    out.reserve(s.size());
    for (double v : s) {
        const double x = v / max * peak * 127.0 + (dither.Next() + dither.Next()) * 0.5;
        out.push_back(static_cast<std::uint8_t>(std::clamp(std::lround(x) + 128L, 0L, 255L)));
    }
    return out;
}

// A note with harmonics falling off as 1/k^tilt, limited below the Nyquist frequency.
double Tone(double phase, double freq, double rate, double tilt, int maxHarmonics) {
    double v = 0;
    for (int k = 1; k <= maxHarmonics && freq * k < rate * 0.45; ++k)
        v += std::sin(phase * k) / std::pow(k, tilt);
    return v;
}

// 0: a bright fanfare rising G4 C5 E5 G5, a short E5, then a held C major chord that swells and dies.
std::vector<std::uint8_t> Won() {
    const double rate = 11025;
    std::vector<double> s(25365, 0.0);
    struct Note {
        double start, length, freq, gain;
    };
    const double G4 = 392.00, C5 = 523.25, E5 = 659.26, G5 = 783.99, C6 = 1046.50;
    const std::array<Note, 9> notes = {{
        {0.00, 0.16, G4, 0.8},
        {0.15, 0.16, C5, 0.8},
        {0.30, 0.16, E5, 0.8},
        {0.45, 0.30, G5, 0.9},
        {0.78, 0.14, E5, 0.7},
        {0.93, 1.37, C5, 0.6},
        {0.93, 1.37, E5, 0.5},
        {0.93, 1.37, G5, 0.5},
        {0.93, 1.37, C6, 0.45},
    }};
    for (const Note& n : notes) {
        const auto first = static_cast<std::size_t>(n.start * rate);
        double phase = 0;
        for (std::size_t i = first; i < s.size(); ++i) {
            const double t = double(i - first) / rate;
            if (t > n.length + 0.4) break;
            // Brass-like: quick attack, a slight swell of brightness, release after the note's length.
            const double held = n.length > 1.0;
            double env = std::min(1.0, t / 0.012) * (held ? std::exp(-t / 0.6) : std::exp(-t / 0.35));
            if (t > n.length) env *= std::exp(-(t - n.length) / 0.05);
            const double vibrato =
                held ? 1.0 + 0.004 * std::sin(2 * Pi * 5.5 * t) * std::min(1.0, t / 0.3) : 1.0;
            phase += 2 * Pi * n.freq * vibrato / rate;
            const double tilt = 1.2 - 0.4 * std::exp(-t / 0.08);  // brighter at the onset
            s[i] += n.gain * env * Tone(phase, n.freq, rate, tilt, 8);
        }
    }
    FadeEdges(s, rate, 2, 250);
    return Quantise(s, 0.85, 10);
}

// 1: a soft tick: a few cycles of a damped 1.8 kHz ring over a breath of noise.
std::vector<std::uint8_t> Pick() {
    const double rate = 11025;
    std::vector<double> s(81, 0.0);
    Noise noise(11);
    LowPass soften(3000, rate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double env = Envelope(t, 0.0006, 0.0018);
        s[i] = env * (std::sin(2 * Pi * 1800 * t) + 0.45 * std::sin(2 * Pi * 3100 * t) +
                      0.35 * soften(noise.Next()));
    }
    FadeEdges(s, rate, 0.2, 1.5);
    return Quantise(s, 0.45, 12);
}

// 2: a click: a sharp noise transient on top of a short wooden knock at 420 and 900 Hz.
std::vector<std::uint8_t> Drop() {
    const double rate = 11025;
    std::vector<double> s(244, 0.0);
    Noise noise(21);
    HighPass crisp(1500, rate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double knock = Envelope(t, 0.0005, 0.005) *
                             (std::sin(2 * Pi * 420 * t) + 0.6 * std::sin(2 * Pi * 900 * t + 1.0));
        const double snap = Envelope(t, 0.0002, 0.0012) * crisp(noise.Next()) * 1.4;
        s[i] = knock + snap;
    }
    FadeEdges(s, rate, 0.1, 4);
    return Quantise(s, 0.7, 22);
}

// 3: a low buzz: a nasal 98 Hz tone in two pulses, sagging in pitch, with a rough edge.
std::vector<std::uint8_t> Return() {
    const double rate = 22050;
    std::vector<double> s(12020, 0.0);
    Noise noise(31);
    LowPass rough(600, rate);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double freq = 98.0 * (1.0 - 0.06 * t);
        phase += 2 * Pi * freq / rate;
        // Two pulses: 0 to 0.2 s and 0.25 to 0.53 s, each with soft edges.
        auto pulse = [](double x, double from, double to) {
            if (x < from || x > to) return 0.0;
            return std::min({1.0, (x - from) / 0.015, (to - x) / 0.06});
        };
        const double env = pulse(t, 0.0, 0.20) + 0.9 * pulse(t, 0.25, 0.53);
        // Odd harmonics dominate, like a square through a speaker; a little noise roughens it.
        double v = 0;
        for (int k = 1; k <= 31 && freq * k < 4000; ++k) v += std::sin(phase * k) / k * (k % 2 ? 1.0 : 0.35);
        s[i] = env * (v + 0.25 * rough(noise.Next()));
    }
    FadeEdges(s, rate, 1, 10);
    return Quantise(s, 0.75, 32);
}

// 4: a shuffle rustle: a riffle of paper-like grains that speeds up and then settles.
std::vector<std::uint8_t> Deal() {
    const double rate = 11025;
    std::vector<double> s(2573, 0.0);
    Noise noise(41);
    HighPass paper(900, rate);
    LowPass soft(4200, rate);
    // Grain onsets: the interval shrinks from 22 ms to 7 ms, as cards flick faster.
    std::vector<double> onsets;
    for (double t = 0.004, step = 0.022; t < 0.20; t += step, step = std::max(0.007, step * 0.86))
        onsets.push_back(t);
    Noise jitter(42);
    for (std::size_t g = 0; g < onsets.size(); ++g) {
        const double start = onsets[g] + 0.0015 * jitter.Next();
        const double gain = 0.6 + 0.4 * double(g) / double(onsets.size()) + 0.15 * jitter.Next();
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = double(i) / rate - start;
            if (t < 0 || t > 0.03) continue;
            s[i] += gain * Envelope(t, 0.0008, 0.0035);
        }
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double bed = 0.06 * std::min(1.0, t / 0.02) * std::exp(-t / 0.12);  // the hiss between grains
        s[i] = (s[i] + bed) * soft(paper(noise.Next()));
    }
    FadeEdges(s, rate, 1, 15);
    return Quantise(s, 0.7, 43);
}

// 5: a falling sigh: a breathy voice-like tone gliding from 520 Hz down to 170 Hz.
std::vector<std::uint8_t> GiveUp() {
    const double rate = 22050;
    std::vector<double> s(11302, 0.0);
    Noise noise(51);
    LowPass breath(1400, rate);
    LowPass breath2(1400, rate);
    double phase = 0;
    const double length = double(s.size()) / rate;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double x = t / length;
        const double freq = 170.0 + 350.0 * std::pow(1.0 - x, 1.6);
        phase += 2 * Pi * freq * (1.0 + 0.012 * std::sin(2 * Pi * 6.0 * t)) / rate;
        // Harmonics with a soft formant near 700 Hz give it a vowel; noise gives the breath.
        double v = 0;
        for (int k = 1; k <= 12 && freq * k < 5000; ++k) {
            const double f = freq * k;
            const double formant = 1.0 / (1.0 + std::pow((f - 700.0) / 450.0, 2));
            v += std::sin(phase * k) * (0.35 / k + formant);
        }
        const double env = std::min(1.0, t / 0.06) * std::pow(1.0 - x, 0.8);
        s[i] = env * (0.55 * v + 0.9 * breath2(breath(noise.Next())));
    }
    FadeEdges(s, rate, 2, 20);
    return Quantise(s, 0.75, 52);
}

void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void Chunk(std::string& out, const char* id, const std::string& body) {
    out.append(id, 4);
    Put32(out, static_cast<std::uint32_t>(body.size()));
    out += body;
    if (body.size() % 2) out.push_back('\0');
}

struct Layout {
    std::uint32_t rate;
    bool longFormat = false;      // an 18-byte "fmt " chunk with a zero extension size
    bool factChunk = false;       // a "fact" chunk holding the sample count, before the data
    bool listChunk = false;       // a 24-byte "LIST" chunk after the data
    std::uint32_t riffExtra = 0;  // added to the RIFF length field
};

std::string Wave(const std::vector<std::uint8_t>& samples, const Layout& layout) {
    std::string fmt;
    Put16(fmt, 1);  // PCM
    Put16(fmt, 1);  // mono
    Put32(fmt, layout.rate);
    Put32(fmt, layout.rate);  // bytes per second
    Put16(fmt, 1);            // block align
    Put16(fmt, 8);            // bits per sample
    if (layout.longFormat) Put16(fmt, 0);

    std::string body = "WAVE";
    Chunk(body, "fmt ", fmt);
    if (layout.factChunk) {
        std::string fact;
        Put32(fact, static_cast<std::uint32_t>(samples.size()));
        Chunk(body, "fact", fact);
    }
    Chunk(body, "data", std::string(samples.begin(), samples.end()));
    if (layout.listChunk) {
        std::string info = "INFO";
        Chunk(info, "ISFT", std::string("make_sounds", 12));
        Chunk(body, "LIST", info);
    }
    std::string file = "RIFF";
    Put32(file, static_cast<std::uint32_t>(body.size()) + layout.riffExtra);
    return file + body;
}

struct Cue {
    const char* name;
    std::function<std::vector<std::uint8_t>()> make;
    Layout layout;
    std::size_t fileSize;
};

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: make_sounds [--check] <folder>\n");
        return 2;
    }
    const std::string folder = argv[argc - 1];
    const std::array<Cue, 6> cues = {{
        {"won.wav", Won, {11025}, 25410},
        {"pick.wav", Pick, {11025, false, false, true}, 158},
        {"drop.wav", Drop, {11025}, 288},
        {"return.wav", Return, {22050, false, false, false, 8}, 12064},
        {"deal.wav", Deal, {11025, true, true}, 2632},
        {"giveup.wav", GiveUp, {22050}, 11346},
    }};
    int failures = 0;
    for (const Cue& cue : cues) {
        const std::string bytes = Wave(cue.make(), cue.layout);
        const std::string path = folder + "/" + cue.name;
        if (bytes.size() != cue.fileSize) {
            std::fprintf(stderr, "%s: %zu bytes, expected %zu\n", cue.name, bytes.size(), cue.fileSize);
            ++failures;
            continue;
        }
        if (check) {
            std::ifstream in(path, std::ios::binary);
            const std::string existing((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
            if (existing != bytes) {
                std::fprintf(stderr, "%s differs from what the generator writes\n", path.c_str());
                ++failures;
            }
        } else {
            std::ofstream out(path, std::ios::binary);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
