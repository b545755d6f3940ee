#include "help/ChmFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace {

// A help file's pages are small; anything larger is damage, not a page.
constexpr LONGUINT64 largestObject = 64u << 20;

std::uint32_t Dword(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t Word(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

QString Inside(QString name) {
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.startsWith(QLatin1Char('/')) ? name : QLatin1Char('/') + name;
}

}  // namespace

ChmFile::ChmFile(const ChmApi& api, const QString& file) : chm(api), path(file) {
    // chmlib opens whatever has the name and waits there for a pipe's writer forever; a folder, a
    // device or a link loop is no help file either. Only a regular file reaches it, and the very
    // file that was looked at: it reads it through our descriptor, not by the name again.
    const QByteArray name = QFile::encodeName(file);
    struct stat named {};
    if (::stat(name.constData(), &named) != 0) {
        missing = errno == ENOENT || errno == ENOTDIR;
        return;
    }
    if (!S_ISREG(named.st_mode) || !chm.open) return;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) {
        const QByteArray descriptor = "/proc/self/fd/" + QByteArray::number(fd);
        // Without /proc the name was checked a moment ago, and has to do.
        handle =
            chm.open(::access(descriptor.constData(), F_OK) == 0 ? descriptor.constData() : name.constData());
    }
    ::close(fd);
    if (handle) ReadSystem();
}

ChmFile::~ChmFile() {
    if (handle && chm.close) chm.close(handle);
}

bool ChmFile::IsOpen() const {
    return handle != nullptr;
}

bool ChmFile::Missing() const {
    return missing;
}

QString ChmFile::Path() const {
    return path;
}

bool ChmFile::Contains(const QString& objectPath) const {
    if (!handle) return false;
    chmUnitInfo unit{};
    return chm.resolveObject(handle, objectPath.toUtf8().constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

QByteArray ChmFile::Read(const QString& objectPath) const {
    if (!handle) return {};
    chmUnitInfo unit{};
    if (chm.resolveObject(handle, objectPath.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS) return {};
    if (unit.length == 0 || unit.length > largestObject) return {};
    QByteArray bytes(static_cast<qsizetype>(unit.length), '\0');
    const LONGINT64 got = chm.retrieveObject(handle, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                             static_cast<LONGINT64>(unit.length));
    if (got <= 0) return {};
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

void ChmFile::ReadSystem() {
    // A version, then records of a 16-bit code, a 16-bit length and that many bytes.
    const QByteArray system = Read(QStringLiteral("/#SYSTEM"));
    qsizetype at = 4;
    while (at + 4 <= system.size()) {
        const std::uint16_t code = Word(system, at);
        const std::uint16_t length = Word(system, at + 2);
        at += 4;
        if (at + length > system.size()) break;
        const QByteArray data = system.mid(at, length);
        const QString text =
            QString::fromLatin1(data.left(data.indexOf('\0') < 0 ? data.size() : data.indexOf('\0')));
        if (code == 0) contentsFile = Inside(text);
        if (code == 2) defaultTopic = Inside(text);
        if (code == 3) title = text;
        at += length;
    }
}

QString ChmFile::InsidePath(const QByteArray& compiledName) const {
    // The compiler writes the topic as it found it on disk, its build folder first: drop leading
    // folders until what is left names a page inside the file.
    QString name = QString::fromUtf8(compiledName);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (!name.isEmpty()) {
        const QString candidate = Inside(name);
        if (Contains(candidate)) return candidate;
        const qsizetype slash = name.indexOf(QLatin1Char('/'), name.startsWith(QLatin1Char('/')) ? 1 : 0);
        if (slash < 0) break;
        name = name.mid(slash + 1);
    }
    return {};
}

QString ChmFile::TopicOfContext(std::int32_t context) const {
    // #IVB: the byte count, then pairs of a context number and an offset into #STRINGS.
    const QByteArray map = Read(QStringLiteral("/#IVB"));
    if (map.size() < 4) return {};
    const qsizetype end = std::min<qsizetype>(map.size(), 4 + static_cast<qsizetype>(Dword(map, 0)));
    const QByteArray strings = Read(QStringLiteral("/#STRINGS"));
    for (qsizetype at = 4; at + 8 <= end; at += 8) {
        if (static_cast<std::int32_t>(Dword(map, at)) != context) continue;
        const qsizetype offset = Dword(map, at + 4);
        if (offset >= strings.size()) return {};
        const qsizetype stop = strings.indexOf('\0', offset);
        return InsidePath(strings.mid(offset, (stop < 0 ? strings.size() : stop) - offset));
    }
    return {};
}

QString ChmFile::Title() const {
    return title;
}

QString ChmFile::DefaultTopic() const {
    return defaultTopic;
}

QString ChmFile::ContentsFile() const {
    return contentsFile;
}
