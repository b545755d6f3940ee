#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <array>
#include <cstdint>
#include <iterator>
#include <random>

#include "ConfigHome.h"
#include "PrintQt.h"
#include "settings/SettingsStore.h"

namespace {

template <typename Container>
const auto& Pick(std::mt19937& random, const Container& choices) {
    return choices[random() % std::size(choices)];
}

QByteArray RandomBytes(std::mt19937& random, int length) {
    QByteArray bytes;
    for (int i = 0; i < length; ++i) bytes += static_cast<char>(random() % 256);
    return bytes;
}

// Every draw is a statement of its own, so that a seed gives the same file with any compiler.
QByteArray RandomNumber(std::mt19937& random) {
    const auto bits = static_cast<std::int32_t>(random());
    const unsigned shift = random() % 32;
    return QByteArray::number(bits >> shift);
}

// A value of one of the kinds the parser knows, or a soup of the pieces it treats specially,
// so that most values come back as text, numbers, lists, variants or broken escapes rather
// than as nothing.
QByteArray RandomValue(std::mt19937& random) {
    // clang-format off
    static const std::array<QByteArray, 26> pieces = {
        "-", "1", "0", "2147483648", "7", "abc", " ", "\"", ",", ";",
        "@Variant(", "@ByteArray(", "@Rect(", "@Size(", "@Point(", "@Invalid()", "@@", ")",
        "\\0", "\\x", "\\", "%", "%U", "\xff", "\xc3\xa4", QByteArray(1, '\0')};
    // clang-format on
    static const std::array<QByteArray, 6> escapes = {"\\0", "\\x2", "\\x5", "\\xff", "\\n", "a"};
    static const std::array<QByteArray, 4> shapes = {"@Rect(", "@Size(", "@Point(", "@ByteArray("};
    QByteArray value;
    switch (random() % 8) {
        case 0:
        case 1:
            return RandomNumber(random);
        case 2:
            return "\" " + RandomNumber(random) + "\"";
        case 3:
            value = RandomNumber(random) + ", ";
            return value + RandomNumber(random);
        case 4:
            value = "@Variant(";
            for (int i = static_cast<int>(random() % 12); i > 0; --i) value += Pick(random, escapes);
            return value + ")";
        case 5:
            value = Pick(random, shapes);
            value += RandomNumber(random) + " ";
            return value + RandomNumber(random) + ")";
        default:
            for (int i = static_cast<int>(random() % 7); i > 0; --i) {
                value += random() % 6 == 0 ? RandomBytes(random, 1) : Pick(random, pieces);
            }
            return value;
    }
}

// Mostly lines that look like settings, now and then a broken header, a garbage line or a
// file of nothing but random bytes.
QByteArray RandomContent(std::mt19937& random) {
    if (random() % 5 == 0) return RandomBytes(random, static_cast<int>(random() % 400));
    static const std::array<QByteArray, 6> headers = {"[V1]", "[V1]", "[V1", "[General]", "[v1]", "[%56%31]"};
    static const std::array<QByteArray, 5> prefixes = {"common\\", "common\\", "Form\\", "V1\\common\\",
                                                       "common/"};
    static const std::array<QByteArray, 6> names = {"back", "sound", "tongue", "won", "MainForm", "bäck"};
    static const std::array<QByteArray, 3> lineEnds = {"\n", "\r\n", "\r"};
    QByteArray content = random() % 4 == 0 ? QByteArray() : QByteArray("[V1]\n");
    const int lines = static_cast<int>(random() % 24);
    for (int i = 0; i < lines; ++i) {
        switch (random() % 8) {
            case 0:
                content += Pick(random, headers);
                break;
            case 1:
                content += RandomBytes(random, static_cast<int>(random() % 20));
                break;
            default:
                content += Pick(random, prefixes);
                content += Pick(random, names) + "=";
                content += RandomValue(random);
        }
        content += Pick(random, lineEnds);
    }
    return content;
}

struct Probe {
    const char* section;
    const char* name;
};

const Probe probes[] = {
    {"common", "tongue"}, {"common", "sound"}, {"common", "back"}, {"common", "won"}, {"Form", "MainForm"},
};

void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Damaged variants make Qt warn about every type it cannot build; that noise hides failures.
class QuietQt {
public:
    QuietQt() : previous(qInstallMessageHandler(DropMessage)) {}
    ~QuietQt() { qInstallMessageHandler(previous); }
    QuietQt(const QuietQt&) = delete;
    QuietQt& operator=(const QuietQt&) = delete;

private:
    QtMessageHandler previous;
};

// Whatever bytes the settings file holds, a read gives its default or the integer or text
// that is really stored, a report names the value read, and a write afterwards sticks.
TEST(SettingsStoreFuzzTest, AnyFileContentReadsSafely) {
    const QString folder = ConfigHome() + QStringLiteral("/fuzz");
    QDir().mkpath(folder);
    const QuietQt quiet;
    constexpr int defaultValue = 0x5EED;
    const QString defaultText = QStringLiteral("none");

    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        // A file name of its own for every case, so no parsed copy of an earlier file is reused.
        const QString path = folder + QStringLiteral("/case%1.ini").arg(seed);
        WriteRawFile(path, RandomContent(random));
        QStringList reports;
        const SettingsStore store = SettingsStore::AtFile(
            path, [&reports](const SettingsStore::Failure& failure) { reports << failure.Message(); });

        for (const Probe& probe : probes) {
            const QString section = QString::fromLatin1(probe.section);
            const QString name = QString::fromLatin1(probe.name);
            const QVariant stored =
                QSettings(path, QSettings::IniFormat).value(QStringLiteral("V1/%1/%2").arg(section, name));
            reports.clear();

            const int integer = store.ReadInteger(section, name, defaultValue);
            const bool flag = store.ReadBool(section, name, true);
            const QString text = store.ReadText(section, name, defaultText);
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << probe.name);

            const bool isText = stored.typeId() == QMetaType::QString;
            if (integer != defaultValue) {
                ASSERT_TRUE(isText);
                bool ok = false;
                EXPECT_EQ(stored.toString().toInt(&ok), integer);
                EXPECT_TRUE(ok && stored.toString() == stored.toString().trimmed());
            }
            EXPECT_EQ(flag, store.ReadInteger(section, name, 1) != 0);
            if (text != defaultText) {
                ASSERT_TRUE(isText);
                EXPECT_EQ(text, stored.toString());
            }
            for (const QString& report : reports) {
                EXPECT_EQ(report, QStringLiteral("Ungültiger Datentyp für '%1'").arg(name));
            }
            EXPECT_EQ(reports.isEmpty(), !stored.isValid() || isText);
        }

        reports.clear();
        store.WriteInteger(QStringLiteral("common"), QStringLiteral("won"), static_cast<int>(seed));
        EXPECT_EQ(store.ReadInteger(QStringLiteral("common"), QStringLiteral("won"), 0),
                  static_cast<int>(seed))
            << "seed " << seed;
        EXPECT_TRUE(reports.isEmpty()) << "seed " << seed << ": " << reports.join(u';').toStdString();
    }
    QDir(folder).removeRecursively();
}

}  // namespace
