// Resource modules, their registration and their strings.
#include "platform/window/res_module_qt.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace nimbo::res {
namespace {

struct Registry {
    std::map<std::string, std::unique_ptr<ResourceModule>> modules;
    HINSTANCE current = nullptr;
};

// Control libraries register their resources while they load, possibly
// before this library's own statics are made; and modules must outlive
// every handle given out, so the registry is made on first use and kept.
Registry& TheRegistry()
{
    static Registry* registry = new Registry;
    return *registry;
}

}  // namespace

std::recursive_mutex& Lock()
{
    static auto* lock = new std::recursive_mutex;
    return *lock;
}

HINSTANCE Resolve(HINSTANCE module)
{
    return module ? module : TheRegistry().current;
}

HINSTANCE FindModule(const std::string& name)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    const auto& modules = TheRegistry().modules;
    const auto it = modules.find(name);
    return it == modules.end() ? nullptr : it->second.get();
}

}  // namespace nimbo::res

using nimbo::res::Lock;

HINSTANCE nimbo::RegisterResourceModule(const char* name)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    auto& modules = res::TheRegistry().modules;
    const std::string key = name ? name : "";
    auto& slot = modules[key];
    if (!slot) {
        slot = std::make_unique<ResourceModule>();
        slot->name = key;
    }
    return slot.get();
}

void nimbo::AddBitmapResource(HINSTANCE module, UINT id, std::function<Pixels()> make)
{
    if (!module || !make)
        return;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    module->bitmaps[id] = ResourceModule::Picture{std::move(make), {}, false, {}, nullptr};
}

void nimbo::AddBitmapResourcePng(HINSTANCE module, UINT id, const unsigned char* data, std::size_t size)
{
    if (!module || !data || size == 0)
        return;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    ResourceModule::Picture picture;
    picture.png.assign(data, data + size);
    module->bitmaps[id] = std::move(picture);
}

void nimbo::AddIconResource(HINSTANCE module, UINT id, std::function<Pixels()> make)
{
    if (!module || !make)
        return;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    // An icon already handed out stays valid; it is only no longer found.
    module->icons[id] = ResourceModule::Picture{std::move(make), {}, false, {}, nullptr};
}

void nimbo::AddStringResource(HINSTANCE module, UINT id, std::string text)
{
    if (!module)
        return;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    module->strings[id] = std::move(text);
}

std::string nimbo::LoadResourceString(HINSTANCE module, UINT id)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    module = res::Resolve(module);
    if (!module)
        return {};
    auto it = module->strings.find(id);
    return it == module->strings.end() ? std::string() : it->second;
}

int LoadStringA(HINSTANCE module, UINT id, char* buffer, int max)
{
    if (!buffer || max <= 0)
        return 0;
    const std::string text = nimbo::LoadResourceString(module, id);
    const int length = std::min(static_cast<int>(text.size()), max - 1);
    std::memcpy(buffer, text.data(), static_cast<std::size_t>(length));
    buffer[length] = '\0';
    return length;
}

HINSTANCE AfxGetResourceHandle()
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    return nimbo::res::TheRegistry().current;
}

void AfxSetResourceHandle(HINSTANCE module)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    nimbo::res::TheRegistry().current = module;
}
