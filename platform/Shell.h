#pragma once

#include <QString>

// Opens a web or mail address with the desktop's default handler. Returns false when the
// desktop reports failure.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool Open(const QString& address);
};
