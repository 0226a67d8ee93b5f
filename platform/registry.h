// Control libraries and the registration store. Each control library lists
// its type library and classes with fixed 128-bit identifiers and exports
// the four self-registration entry points; registering writes the library's
// classes into the store, and hosts create controls by class name or
// programmatic identifier through it.
//
// The store is looked up in this order: the file named by $NIMBO_REGISTRY;
// nimbo-registry.txt beside the running program (as in the build tree and
// an installed tree); ~/.config/nimbo/registry.txt.
#pragma once

#include "platform/dispatch.h"
#include "platform/export.h"
#include "platform/windef.h"

#include <memory>
#include <filesystem>
#include <string>
#include <vector>


struct NIMBO_PLATFORM_API GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
    bool operator==(const GUID& o) const;
};
using CLSID = GUID;
using IID = GUID;

NIMBO_PLATFORM_API std::string GuidToString(const GUID& guid);  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
NIMBO_PLATFORM_API bool GuidFromString(const std::string& text, GUID* guid);

namespace nimbo {

// Where a file the kit ships lies, by its path below the kit's data folder
// ("nimbo-registry.txt", "forms/dorvo/generale.frm"): beside the running
// program, as in a build tree, else under ../share/nimbo/ as installed;
// when neither holds it, beside the program.
NIMBO_PLATFORM_API std::string KitFile(const std::string& relative);

enum class ClassKind { Control, PropertyPage };

// One creatable class of a library.
struct ClassEntry {
    GUID clsid;
    ClassKind kind;
    std::string progId;    // "NIMBO.NimboCtrl.1"
    std::string name;      // the class name in the type library: "Nimbo"
    std::string typeName;  // "Zem Nimbo V1.00"
    void* (*create)();     // a COleControl* or a page object
};

struct LibraryEntry {
    GUID typeLib;
    std::string typeLibName;  // "NIMBOLib"
    WORD major;
    WORD minor;
    std::vector<ClassEntry> classes;
};

// One class as the store records it.
struct RegisteredClass {
    std::string clsid;
    ClassKind kind = ClassKind::Control;
    std::string progId;
    std::string hostName;  // type library and class: "NIMBOLib.Nimbo"
    std::string typeName;
    std::string library;   // the shared library: relative to the store's folder, or absolute
};

class NIMBO_PLATFORM_API RegistrationStore {
public:
    static std::string LookupPath();
    static RegistrationStore Open(const std::string& path = LookupPath());

    const std::string& Path() const { return path_; }
    const std::vector<RegisteredClass>& Classes() const { return classes_; }
    // By programmatic identifier, host class name ("NIMBOLib.Nimbo") or
    // class identifier text.
    const RegisteredClass* Find(const std::string& name) const;

    void Put(const RegisteredClass& entry);  // replaces the same class identifier
    // Every class of the library at this path, however its entry spells it.
    void RemoveLibrary(const std::string& library);

    // Where an entry's library lies: a relative entry is taken from the
    // store's folder, so a tree holding the store and the libraries works
    // wherever it is moved or installed.
    std::string LibraryLocation(const RegisteredClass& entry) const;
    // How an entry names the library at this absolute path: relative to the
    // store's folder when the library lies in the tree above it.
    std::string StoredName(const std::string& libraryPath) const;
    bool Save(std::string* error) const;

private:
    std::filesystem::path Folder() const;

    std::string path_;
    std::vector<RegisteredClass> classes_;
};

// Library side: what the four entry points do.
NIMBO_PLATFORM_API HRESULT RegisterLibrary(const LibraryEntry& library, const void* addressInLibrary);
NIMBO_PLATFORM_API HRESULT UnregisterLibrary(const LibraryEntry& library, const void* addressInLibrary);
NIMBO_PLATFORM_API HRESULT GetClassObject(const LibraryEntry& library, const CLSID& clsid, void** out);
// Live objects of the library's classes; the library may unload at zero.
NIMBO_PLATFORM_API void ObjectCreated();
NIMBO_PLATFORM_API void ObjectDestroyed();
NIMBO_PLATFORM_API long LiveObjects();

// Loads the class's library and creates an object of the kind asked for.
// Null with a reason when the name is unknown or the library cannot be loaded.
NIMBO_PLATFORM_API void* CreateRegisteredObject(const std::string& classOrProgId, ClassKind kind, std::string* error);

}  // namespace nimbo

// The four entry points every control library exports, made from the
// library's table.
#define NIMBO_LIBRARY_ENTRY_POINTS(libraryFunction)                                                  \
    extern "C" __attribute__((visibility("default"))) HRESULT DllCanUnloadNow()                      \
    {                                                                                                \
        return nimbo::LiveObjects() == 0 ? S_OK : S_FALSE;                                           \
    }                                                                                                \
    extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(                     \
        const CLSID& clsid, const IID&, void** out)                                                  \
    {                                                                                                \
        return nimbo::GetClassObject(libraryFunction(), clsid, out);                                 \
    }                                                                                                \
    extern "C" __attribute__((visibility("default"))) HRESULT DllRegisterServer()                    \
    {                                                                                                \
        return nimbo::RegisterLibrary(libraryFunction(), reinterpret_cast<const void*>(&DllRegisterServer)); \
    }                                                                                                \
    extern "C" __attribute__((visibility("default"))) HRESULT DllUnregisterServer()                  \
    {                                                                                                \
        return nimbo::UnregisterLibrary(libraryFunction(), reinterpret_cast<const void*>(&DllRegisterServer)); \
    }
