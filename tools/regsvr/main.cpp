// nimbo-regsvr: registers control libraries in the registration store (or,
// with -u, removes them), by calling their own entry points.
#include "platform/dispatch.h"
#include "platform/registry.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>

int main(int argc, char** argv)
{
    bool unregister = false;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "-u") == 0) {
        unregister = true;
        first = 2;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: nimbo-regsvr [-u] LIBRARY...\n");
        return 2;
    }
    int status = 0;
    for (int i = first; i < argc; ++i) {
        void* library = dlopen(argv[i], RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            std::fprintf(stderr, "nimbo-regsvr: cannot load %s: %s\n", argv[i], dlerror());
            status = 1;
            continue;
        }
        const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
        auto call = reinterpret_cast<HRESULT (*)()>(dlsym(library, entry));
        if (call == nullptr) {
            std::fprintf(stderr, "nimbo-regsvr: %s has no %s\n", argv[i], entry);
            status = 1;
            continue;
        }
        HRESULT hr = call();
        if (FAILED(hr)) {
            std::fprintf(stderr, "nimbo-regsvr: %s of %s failed: %s\n", entry, argv[i], DispatchErrorText(hr));
            status = 1;
            continue;
        }
        std::printf("%s %s in %s\n", unregister ? "unregistered" : "registered", argv[i],
                    nimbo::RegistrationStore::LookupPath().c_str());
    }
    return status;
}
