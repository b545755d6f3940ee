#pragma once

#include <QString>

#include "help/ChmApi.h"

// chmlib, opened at run time inside the help viewer's process, so that a machine without it
// still runs the game (which then says the help is not installed) and so that nothing chmlib does
// with a damaged file can reach the game.
class ChmLibrary {
public:
    ChmLibrary() = default;
    ~ChmLibrary();
    ChmLibrary(const ChmLibrary&) = delete;
    ChmLibrary& operator=(const ChmLibrary&) = delete;

    // By `name` through the normal library search first, then from `fallbackPath` when that file
    // exists. True when every call the viewer needs was found.
    bool Load(const QString& name, const QString& fallbackPath);
    bool Loaded() const { return api.open != nullptr; }
    const ChmApi& Api() const { return api; }

private:
    void* library = nullptr;
    ChmApi api;
};
