// nimbo-regsvr: registers control libraries in the registration store (or,
// with -u, removes them), by calling their own entry points.
#include "platform/dispatch.h"
#include "platform/registry.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace {

const char kUsage[] =
    "usage: nimbo-regsvr [-u] LIBRARY...\n"
    "Registers each control library in the registration store ($NIMBO_REGISTRY,\n"
    "else beside the program, else ~/.config/nimbo/registry.txt) by calling its\n"
    "DllRegisterServer; -u calls DllUnregisterServer instead.\n";

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    bool unregister = false;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "-u") == 0) {
        unregister = true;
        first = 2;
    }
    for (int i = first; i < argc; ++i) {
        // A library is named by a path, so a leading dash can only be a mistyped option.
        if (argv[i][0] == '-') {
            std::fprintf(stderr, "nimbo-regsvr: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        }
    }
    if (first >= argc) {
        std::fputs(kUsage, stderr);
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
