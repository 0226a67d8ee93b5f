// What a resource module holds, for platform sources only.
#pragma once

#include "platform/resources.h"

#include <QImage>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace nimbo {
struct IconImage;
}

struct ResourceModule {
    struct Picture {
        std::function<nimbo::Pixels()> make;
        std::vector<unsigned char> png;
        bool made = false;
        QImage image;                       // bitmaps, once made
        nimbo::IconImage* icon = nullptr;   // icons, once made; never freed
    };
    std::string name;
    std::map<UINT, Picture> bitmaps;
    std::map<UINT, Picture> icons;
    std::map<UINT, std::string> strings;
};

namespace nimbo::res {

// Guards every module; held while a picture is made, so makers must not
// load resources themselves.
std::recursive_mutex& Lock();
// A null module stands for the current one.
HINSTANCE Resolve(HINSTANCE module);
// The module registered under the name; null, and nothing registered, when
// there is none.
HINSTANCE FindModule(const std::string& name);

}  // namespace nimbo::res
