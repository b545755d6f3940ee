#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

struct chmFile;

// One compiled help file read through the loaded chmlib: its pages, pictures and contents by
// their inside path ("/de/regeln.htm"), its title, start topic and context-number map.
class ChmFile {
public:
    explicit ChmFile(const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool IsOpen() const;
    QString Path() const;
    bool Contains(const QString& objectPath) const;
    // Empty when there is no such object.
    QByteArray Read(const QString& objectPath) const;

    // The inside path of the topic mapped to the context number, empty when none is.
    QString TopicOfContext(std::int32_t context) const;
    QString Title() const;
    QString DefaultTopic() const;
    QString ContentsFile() const;

private:
    void ReadSystem();
    QString InsidePath(const QByteArray& compiledName) const;

    QString path;
    chmFile* handle = nullptr;
    QString title;
    QString defaultTopic;
    QString contentsFile;
};
