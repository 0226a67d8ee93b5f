// Bitmaps and icons of resource modules, made on first load and kept.
#include "platform/window/gdi_qt.h"
#include "platform/window/res_images_qt.h"
#include "platform/window/res_module_qt.h"

namespace nimbo::res {
namespace {

// Makes the picture once, as an image of the given format.
const QImage* Made(ResourceModule::Picture& picture, QImage::Format format)
{
    if (!picture.made) {
        picture.made = true;
        if (!picture.png.empty()) {
            QImage decoded;
            if (decoded.loadFromData(picture.png.data(), static_cast<int>(picture.png.size()), "PNG"))
                picture.image = ImageFromPixels(PixelsFromImage(decoded), format);
            picture.png.clear();
            picture.png.shrink_to_fit();
        } else if (picture.make) {
            picture.image = ImageFromPixels(picture.make(), format);
        }
        picture.make = nullptr;
    }
    return picture.image.isNull() ? nullptr : &picture.image;
}

}  // namespace

bool LoadBitmapImage(HINSTANCE module, UINT id, QImage* image)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    module = Resolve(module);
    if (!module || !image)
        return false;
    auto it = module->bitmaps.find(id);
    if (it == module->bitmaps.end())
        return false;
    const QImage* made = Made(it->second, QImage::Format_RGB32);
    if (!made)
        return false;
    *image = *made;
    return true;
}

IconImage* LoadIconImage(HINSTANCE module, UINT id)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    module = Resolve(module);
    if (!module)
        return nullptr;
    auto it = module->icons.find(id);
    if (it == module->icons.end())
        return nullptr;
    ResourceModule::Picture& picture = it->second;
    if (!picture.icon) {
        const QImage* made = Made(picture, QImage::Format_ARGB32_Premultiplied);
        if (!made)
            return nullptr;
        picture.icon = new IconImage{*made};
    }
    return picture.icon;
}

}  // namespace nimbo::res
