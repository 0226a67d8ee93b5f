// A form file as read: what to build, with the line of everything in it so
// that later problems point at the file. For the form sources only.
#pragma once

#include "platform/variant.h"
#include "platform/windef.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class COleControl;

namespace nimbo::form {

enum class Standard { None, Label, TextBox, CommandButton };

struct Property {
    std::string key;
    Variant value;
    int line = 0;
    // The value as the file wrote it (2147483663 for a colour the value
    // holds as -2147483633), written back while the value is unchanged;
    // empty for a value set since.
    std::string text;
};

struct ControlDesign {
    std::string name;
    std::string className;  // as written
    Standard standard = Standard::None;
    int line = 0;  // of its Begin
    // Twips; a size not given leaves a control its own.
    std::optional<int> left, top, width, height;
    // Everything else, in file order: a standard control's settings, or the
    // property bag of any other.
    std::vector<Property> properties;

    const Property* Find(const std::string& key) const;
};

// The form's own settings and declarations, everything but its controls.
struct FormSettings {
    std::string file;
    // The comments and blank lines before "Form", as written.
    std::string preamble;
    std::string name;
    int line = 0;
    std::string caption;
    int clientWidth = 4800;  // twips
    int clientHeight = 3600;
    bool center = false;
    std::string iconModule;  // empty: no icon
    UINT iconId = 0;
    int iconLine = 0;

    // What the form does by itself, without a host's code: the server its
    // client controls register with (a control on the form, or kOpener for
    // the server of the form that opened this one), whether every client is
    // registered when the form loads and removed when it unloads, and
    // whether the server starts then. Empty and false: nothing.
    std::string server;
    int serverLine = 0;
    bool registerClients = false;
    int registerLine = 0;
    bool startServer = false;
    int startLine = 0;

    // "FILE:LINE: " to put before a reason.
    std::string At(int line) const;
};

struct FormDesign : FormSettings {
    std::vector<ControlDesign> controls;
};

// Reads and checks the whole file: syntax, names, values, classes.
bool ParseForm(const std::string& text, const std::string& file, FormDesign* out, std::string* error);
// The design as a form file that ParseForm reads back to the same design
// (lines and comments aside) (form_write.cpp).
std::string WriteForm(const FormDesign& design);
// Writes a form file's text to path, whole or not at all, once it is
// known to read back; false with the reason.
bool SaveFormText(const std::string& text, const std::string& path, std::string* reason);

// The most controls a form designer of the time allowed on one form: every
// real panel fits, and a runaway file cannot have thousands built.
inline constexpr std::size_t kMaxControls = 254;

// Whether a word can name a form or a control.
bool IsName(const std::string& word);

// Form files come from users. Sizes are 0..kMaxTwips and positions within
// kMaxTwips either way: 32767 pixels, Qt's own widget limit, and far enough
// from INT_MAX that position plus size in pixels cannot overflow.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kMaxTwips = 32767 * kTwipsPerPixel;

// The nearest pixel, and a pixel's twips.
int TwipsToPixels(int twips);
inline int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// The Server a form names to use the server of the form that opened it.
inline constexpr const char* kOpener = "Opener";

// ---- standard controls (form_standard.cpp)
Standard StandardClass(const std::string& className);
const char* StandardName(Standard kind);
// False with the reason when the standard control has no such property or
// the value is of the wrong kind.
bool CheckStandardProperty(Standard kind, const Property& property, std::string* reason);
// What a standard control of the kind takes from a form file, in the order
// a designer shows it, each with the value it has when the file is silent.
struct StandardSetting {
    const char* key;
    VARTYPE type;
    Variant otherwise;
};
std::vector<StandardSetting> StandardSettings(Standard kind);

// ---- classes placed by name (form_classes.cpp)
// Null when no local class has the name.
std::function<COleControl*()> LocalClass(const std::string& className);
// Whether the class can be placed; false with the reason.
bool ClassKnown(const std::string& className, std::string* reason);
// A new control object of the class, no window yet; null with the reason.
COleControl* MakeControl(const std::string& className, std::string* reason);

bool SameName(const std::string& a, const std::string& b);

}  // namespace nimbo::form
