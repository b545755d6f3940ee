#include "help/ChmLibrary.h"

#include <dlfcn.h>

#include <QFile>
#include <QFileInfo>

namespace {

void* Open(const QString& name) {
    return ::dlopen(QFile::encodeName(name).constData(), RTLD_NOW | RTLD_LOCAL);
}

template <typename Function>
bool Resolve(void* library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

}  // namespace

ChmLibrary::~ChmLibrary() {
    if (library) ::dlclose(library);
}

bool ChmLibrary::Load(const QString& name, const QString& fallbackPath) {
    if (library) return Loaded();
    library = Open(name);
    if (!library && !fallbackPath.isEmpty() && QFileInfo::exists(fallbackPath)) library = Open(fallbackPath);
    if (!library) return false;
    const bool complete = Resolve(library, api.open, "chm_open") &&
                          Resolve(library, api.close, "chm_close") &&
                          Resolve(library, api.resolveObject, "chm_resolve_object") &&
                          Resolve(library, api.retrieveObject, "chm_retrieve_object");
    if (!complete) api = ChmApi{};
    return complete;
}
