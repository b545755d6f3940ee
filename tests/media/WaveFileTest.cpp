#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstdint>
#include <string>
#include <vector>

#include "media/WaveFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<WaveFile> Read(const Bytes& bytes) {
    return WaveFile::Read(std::span(bytes.data(), bytes.size()));
}

Bytes Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = file.readAll();
    return Bytes(all.begin(), all.end());
}

void Put32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}
void Put16(Bytes& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Chunk(Bytes& out, const char* id, const Bytes& body) {
    out.insert(out.end(), id, id + 4);
    Put32(out, std::uint32_t(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2) out.push_back(0);
}
Bytes Format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    Bytes f;
    Put16(f, tag);
    Put16(f, channels);
    Put32(f, rate);
    Put32(f, rate * channels * bits / 8);
    Put16(f, std::uint16_t(channels * bits / 8));
    Put16(f, bits);
    return f;
}
// A RIFF file around the given chunks, with its length field right unless told otherwise.
Bytes Riff(const Bytes& chunks, long lengthDelta = 0) {
    Bytes out = {'R', 'I', 'F', 'F'};
    Put32(out, std::uint32_t(long(chunks.size()) + 4 + lengthDelta));
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    out.insert(out.end(), chunks.begin(), chunks.end());
    return out;
}
Bytes Plain(const Bytes& format, const Bytes& data) {
    Bytes chunks;
    Chunk(chunks, "fmt ", format);
    Chunk(chunks, "data", data);
    return Riff(chunks);
}

}  // namespace

TEST(WaveFileTest, ReadsTheSixRecordingsWithTheirQuirks) {
    struct Expected {
        const char* name;
        int rate;
        std::size_t dataLength;
        std::size_t fileSize;
    };
    const Expected table[] = {
        {"won", 11025, 25365, 25410},    {"pick", 11025, 81, 158},    {"drop", 11025, 244, 288},
        {"return", 22050, 12020, 12064}, {"deal", 11025, 2573, 2632}, {"giveup", 22050, 11302, 11346},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.name);
        const Bytes bytes = Load(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(e.name)));
        ASSERT_EQ(bytes.size(), e.fileSize);
        const auto wave = Read(bytes);
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->bitsPerSample, 8);
        EXPECT_EQ(wave->sampleRate, e.rate);
        EXPECT_EQ(wave->dataLength, e.dataLength);
        const std::string id(bytes.begin() + long(wave->dataOffset) - 8,
                             bytes.begin() + long(wave->dataOffset) - 4);
        EXPECT_EQ(id, "data");
    }
}

TEST(WaveFileTest, ToleratesWhatRealFilesCarry) {
    const Bytes samples = {1, 2, 3};
    Bytes chunks;
    Chunk(chunks, "JUNK", {9, 9, 9, 9, 9});  // odd length, padded
    Chunk(chunks, "data", samples);          // before the format
    Bytes longFormat = Format(1, 1, 8000, 8);
    longFormat.insert(longFormat.end(), {0, 0, 0x55, 0x55});
    Chunk(chunks, "fmt ", longFormat);
    auto wave = Read(Riff(chunks));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->sampleRate, 8000);
    EXPECT_EQ(wave->dataOffset, 12u + 14u + 8u);
    EXPECT_EQ(wave->dataLength, 3u);

    // An overstated RIFF length and a missing final pad byte.
    Bytes odd = Plain(Format(1, 1, 8000, 8), samples);
    odd.pop_back();
    odd[4] += 100;
    ASSERT_TRUE(Read(odd));

    // 16-bit stereo keeps whole frames only.
    wave = Read(Plain(Format(1, 2, 44100, 16), Bytes(10, 0)));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataLength, 8u);
}

TEST(WaveFileTest, RejectsMalformedFilesWithoutReadingPastThem) {
    const Bytes good = Plain(Format(1, 1, 11025, 8), Bytes(40, 128));
    ASSERT_TRUE(Read(good));
    // Every cut inside the header or the samples: the data chunk would run past the end. Each
    // prefix is a buffer of its own, so the sanitizer sees any read beyond it.
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Bytes cut(good.begin(), good.begin() + long(n));
        EXPECT_FALSE(Read(cut)) << n << " bytes";
    }
    EXPECT_FALSE(Read(Plain(Format(3, 1, 11025, 32), Bytes(40, 0)))) << "float, not PCM";
    EXPECT_FALSE(Read(Plain(Format(1, 0, 11025, 8), Bytes(40, 0)))) << "no channels";
    EXPECT_FALSE(Read(Plain(Format(1, 1, 0, 8), Bytes(40, 0)))) << "no rate";
    EXPECT_FALSE(Read(Plain(Format(1, 1, 11025, 12), Bytes(40, 0)))) << "odd sample size";
    Bytes shortFormat = Format(1, 1, 11025, 8);
    shortFormat.resize(14);
    EXPECT_FALSE(Read(Plain(shortFormat, Bytes(40, 0))));

    Bytes noData;
    Chunk(noData, "fmt ", Format(1, 1, 11025, 8));
    EXPECT_FALSE(Read(Riff(noData)));
    Bytes huge = good;
    for (std::size_t i = 40; i < 44; ++i) huge[i] = 0xFF;  // the data chunk's size
    EXPECT_FALSE(Read(huge));
    // A RIFF length that ends before the data chunk cuts the file there.
    EXPECT_FALSE(Read(Riff(Bytes(good.begin() + 12, good.end()), -48)));
    EXPECT_FALSE(Read(Bytes{'R', 'I', 'F', 'F', 1, 0, 0, 0, 'W', 'A', 'V', 'E', 'f'}));
    Bytes notWave = good;
    notWave[8] = 'A';
    EXPECT_FALSE(Read(notWave));
}

// Inputs the fuzzer once found interesting; each must still be read without a fault.
TEST(WaveFileTest, ReplaysTheFuzzFindings) {
    const QDir corpus(QStringLiteral(TVDL_WAVE_CORPUS));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const Bytes bytes = Load(corpus.filePath(name));
        if (const auto wave = Read(bytes)) {
            EXPECT_LE(wave->dataOffset + wave->dataLength, bytes.size()) << name.toStdString();
        }
    }
}
