#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "help/ChmApi.h"

struct chmFile;

// One compiled help file read through the loaded chmlib: its pages, pictures and contents by
// their inside path ("/de/regeln.htm"), its title, start topic and context-number map.
class ChmFile {
public:
    // `chm` must outlive the file.
    ChmFile(const ChmApi& chm, const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool IsOpen() const;
    // Nothing is found under the name, or only a link to nothing. Anything else that is not open
    // is there but is no help file that can be read.
    bool Missing() const;
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

    const ChmApi& chm;
    QString path;
    chmFile* handle = nullptr;
    bool missing = false;
    QString title;
    QString defaultTopic;
    QString contentsFile;
};
