#pragma once

#include <chm_lib.h>

// The chmlib calls the viewer uses, looked up in the library at run time so that a machine
// without chmlib still starts (and says the help is not installed).
struct ChmApi {
    decltype(&chm_open) open = nullptr;
    decltype(&chm_close) close = nullptr;
    decltype(&chm_resolve_object) resolveObject = nullptr;
    decltype(&chm_retrieve_object) retrieveObject = nullptr;
};
