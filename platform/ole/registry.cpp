#include "platform/registry.h"


#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cctype>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <unistd.h>

bool GUID::operator==(const GUID& o) const { return std::memcmp(this, &o, sizeof(GUID)) == 0; }

std::string GuidToString(const GUID& g)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
                  g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

// Exactly the registry's form: braces, hexadecimal digits in groups of
// 8-4-4-4-12, and nothing else (scanf alone would take a sign or a blank
// inside a group).
bool GuidFromString(const std::string& text, GUID* g)
{
    unsigned d1 = 0, d2 = 0, d3 = 0, b[8] = {};
    int used = 0;
    static const char kShape[] = "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
    if (text.size() != sizeof kShape - 1)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (kShape[i] == 'x' ? !std::isxdigit(static_cast<unsigned char>(text[i])) : text[i] != kShape[i])
            return false;
    if (text.size() != 38 ||
        std::sscanf(text.c_str(), "{%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}%n", &d1, &d2, &d3, &b[0], &b[1], &b[2],
                    &b[3], &b[4], &b[5], &b[6], &b[7], &used) != 11 ||
        used != 38)
        return false;
    g->Data1 = d1;
    g->Data2 = static_cast<WORD>(d2);
    g->Data3 = static_cast<WORD>(d3);
    for (int i = 0; i < 8; ++i)
        g->Data4[i] = static_cast<BYTE>(b[i]);
    return true;
}

namespace {

std::atomic<long> liveObjects{0};

std::string ProgramFolder()
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string LibraryPath(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr)
        return {};
    std::error_code ec;
    auto canonical = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : canonical.string();
}

const char* KindText(nimbo::ClassKind kind) { return kind == nimbo::ClassKind::Control ? "control" : "page"; }

}  // namespace

void nimbo::ObjectCreated() { ++liveObjects; }
void nimbo::ObjectDestroyed() { --liveObjects; }
long nimbo::LiveObjects() { return liveObjects; }

std::string nimbo::KitFile(const std::string& relative)
{
    const std::filesystem::path folder = ProgramFolder();
    const std::filesystem::path beside = folder / relative;
    const std::filesystem::path installed = folder / "../share/nimbo" / relative;
    return (std::filesystem::exists(beside) || !std::filesystem::exists(installed) ? beside : installed)
        .lexically_normal()
        .string();
}

std::string nimbo::RegistrationStore::LookupPath()
{
    if (const char* env = std::getenv("NIMBO_REGISTRY"); env && *env)
        return env;
    if (const std::string shipped = KitFile("nimbo-registry.txt"); std::filesystem::exists(shipped))
        return shipped;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.config/nimbo/registry.txt";
}

// One class a line, tab-separated: kind, class identifier, programmatic
// identifier, host class name, type name, library.
nimbo::RegistrationStore nimbo::RegistrationStore::Open(const std::string& path)
{
    RegistrationStore store;
    store.path_ = path;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        // Every field counts, an empty last one too.
        std::vector<std::string> f;
        for (std::size_t from = 0;;) {
            const std::size_t tab = line.find('\t', from);
            f.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos)
                break;
            from = tab + 1;
        }
        if (f.size() != 6)
            continue;
        RegisteredClass c;
        c.kind = f[0] == "page" ? ClassKind::PropertyPage : ClassKind::Control;
        c.clsid = f[1];
        c.progId = f[2];
        c.hostName = f[3];
        c.typeName = f[4];
        c.library = f[5];
        store.classes_.push_back(c);
    }
    return store;
}

const nimbo::RegisteredClass* nimbo::RegistrationStore::Find(const std::string& name) const
{
    for (const auto& c : classes_)
        if (strcasecmp(c.progId.c_str(), name.c_str()) == 0 || strcasecmp(c.hostName.c_str(), name.c_str()) == 0 ||
            strcasecmp(c.clsid.c_str(), name.c_str()) == 0)
            return &c;
    return nullptr;
}

void nimbo::RegistrationStore::Put(const RegisteredClass& entry)
{
    for (auto& c : classes_) {
        if (c.clsid == entry.clsid) {
            c = entry;
            return;
        }
    }
    classes_.push_back(entry);
}

void nimbo::RegistrationStore::RemoveLibrary(const std::string& library)
{
    const std::string location = std::filesystem::path(library).is_absolute() ? library : std::string();
    std::erase_if(classes_, [&](const RegisteredClass& c) {
        return c.library == library || (!location.empty() && LibraryLocation(c) == location);
    });
}

std::filesystem::path nimbo::RegistrationStore::Folder() const
{
    std::error_code ec;
    auto folder = std::filesystem::absolute(std::filesystem::path(path_), ec).parent_path();
    return ec ? std::filesystem::path() : folder;
}

std::string nimbo::RegistrationStore::LibraryLocation(const RegisteredClass& entry) const
{
    const std::filesystem::path library(entry.library);
    if (entry.library.empty() || library.is_absolute())
        return entry.library;
    return (Folder() / library).lexically_normal().string();
}

std::string nimbo::RegistrationStore::StoredName(const std::string& libraryPath) const
{
    // Relative only within the tree the store lies in (up to two folders
    // above it: bin/ and lib/, share/nimbo/ and lib/); a library elsewhere
    // keeps its path.
    std::error_code ec;
    auto relative = std::filesystem::relative(libraryPath, std::filesystem::weakly_canonical(Folder(), ec), ec);
    if (ec || relative.empty())
        return libraryPath;
    int up = 0;
    for (const auto& part : relative)
        up += part == "..";
    return up > 2 ? libraryPath : relative.string();
}

bool nimbo::RegistrationStore::Save(std::string* error) const
{
    std::error_code ec;
    auto folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    // Written aside and renamed, so a reader never sees half a store.
    std::string temporary = path_ + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary);
        if (!out) {
            *error = "cannot write " + path_;
            return false;
        }
        out << "# kind\tclsid\tprogid\tclass\ttype name\tlibrary\n";
        for (const auto& c : classes_)
            out << KindText(c.kind) << '\t' << c.clsid << '\t' << c.progId << '\t' << c.hostName << '\t'
                << c.typeName << '\t' << c.library << '\n';
        if (!out) {
            *error = "cannot write " + path_;
            return false;
        }
    }
    std::filesystem::rename(temporary, path_, ec);
    if (ec) {
        *error = "cannot replace " + path_ + ": " + ec.message();
        return false;
    }
    return true;
}

HRESULT nimbo::RegisterLibrary(const LibraryEntry& library, const void* addressInLibrary)
{
    std::string path = LibraryPath(addressInLibrary);
    if (path.empty() || library.typeLibName.empty())
        return SELFREG_E_TYPELIB;
    RegistrationStore store = RegistrationStore::Open();
    for (const auto& c : library.classes) {
        if (c.create == nullptr)
            return SELFREG_E_CLASS;
        RegisteredClass r;
        r.clsid = GuidToString(c.clsid);
        r.kind = c.kind;
        r.progId = c.progId;
        r.hostName = c.kind == ClassKind::Control ? library.typeLibName + "." + c.name : c.name;
        r.typeName = c.typeName;
        r.library = store.StoredName(path);
        store.Put(r);
    }
    std::string error;
    return store.Save(&error) ? S_OK : SELFREG_E_CLASS;
}

HRESULT nimbo::UnregisterLibrary(const LibraryEntry& library, const void* addressInLibrary)
{
    std::string path = LibraryPath(addressInLibrary);
    if (path.empty() || library.typeLibName.empty())
        return SELFREG_E_TYPELIB;
    RegistrationStore store = RegistrationStore::Open();
    store.RemoveLibrary(path);
    std::string error;
    return store.Save(&error) ? S_OK : SELFREG_E_CLASS;
}

HRESULT nimbo::GetClassObject(const LibraryEntry& library, const CLSID& clsid, void** out)
{
    if (out == nullptr)
        return E_INVALIDARG;
    *out = nullptr;
    for (const auto& c : library.classes) {
        if (c.clsid == clsid) {
            *out = const_cast<ClassEntry*>(&c);
            return S_OK;
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

void* nimbo::CreateRegisteredObject(const std::string& name, ClassKind kind, std::string* error)
{
    RegistrationStore store = RegistrationStore::Open();
    const RegisteredClass* c = store.Find(name);
    if (c == nullptr || c->kind != kind) {
        *error = "class not registered: " + name + " (store " + store.Path() + ")";
        return nullptr;
    }
    GUID clsid{};
    if (!GuidFromString(c->clsid, &clsid)) {
        *error = "bad class identifier in the store: " + c->clsid;
        return nullptr;
    }
    // Libraries stay loaded for the life of the process: their objects and
    // windows may outlive any one caller.
    const std::string library = store.LibraryLocation(*c);
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (handle == nullptr) {
        *error = "cannot load " + library + ": " + dlerror();
        return nullptr;
    }
    using GetClassObjectFn = HRESULT (*)(const CLSID&, const IID&, void**);
    auto get = reinterpret_cast<GetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
    if (get == nullptr) {
        *error = library + " is not a control library (no DllGetClassObject)";
        return nullptr;
    }
    void* factory = nullptr;
    if (FAILED(get(clsid, IID{}, &factory)) || factory == nullptr) {
        *error = library + " does not offer " + c->clsid;
        return nullptr;
    }
    void* object = static_cast<ClassEntry*>(factory)->create();
    if (object == nullptr)
        *error = "creation of " + name + " failed";
    return object;
}
