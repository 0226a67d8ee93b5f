// Form files as users write them: each input is parsed; one that parses is
// built, window and controls, written back as design mode saves it and read
// again, and torn down before the next input.
#include "platform/form.h"
#include "platform/form_editor.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/serial_device.h"
#include "platform/winuser.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#ifdef NIMBO_FUZZ_REGISTRY
    // The store of the build this program came from, every control in it.
    setenv("NIMBO_REGISTRY", NIMBO_FUZZ_REGISTRY, 0);
#endif
    // A server on the form may start its link; it must never reach a real line.
    nimbo::SetSerialOpener([](const std::string&, DWORD* error, std::string* reason) {
        *error = ERROR_FILE_NOT_FOUND;
        *reason = "no lines while fuzzing";
        return std::unique_ptr<nimbo::SerialDevice>();
    });
    // The icon the plant's forms name, as their program brings it.
    nimbo::AddIconResource(nimbo::RegisterResourceModule("dorvo"), 1,
                           [] { return nimbo::MakePixels(32, 32, 0xFF000080); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    std::unique_ptr<nimbo::Form> form = nimbo::Form::Parse(text, "fuzz.frm", &error);
    if (!form) {
        // Every refusal says where, as the parser promises.
        if (error.rfind("fuzz.frm:", 0) != 0)
            __builtin_trap();
        return 0;
    }
    if (form->Create(&error)) {
        if (!form->IsOpen() || !form->Window())
            __builtin_trap();
        // Written back as design mode saves it, the form reads and builds
        // again, and says the same when written once more.
        const std::string written = nimbo::FormEditor(*form).Text();
        std::unique_ptr<nimbo::Form> again = nimbo::Form::Parse(written, "fuzz.frm", &error);
        if (!again || !again->Create(&error) || nimbo::FormEditor(*again).Text() != written)
            __builtin_trap();
        again.reset();
        // Drawn once, as it would first be seen: every control paints with
        // what the file gave it. Forms beyond a screen's size stay undrawn,
        // or one input could ask for gigabytes of picture.
        RECT client{};
        GetClientRect(form->Window(), &client);
        if (client.right <= 2048 && client.bottom <= 2048)
            nimbo::GrabWindowPixels(form->Window());
        form->Close();
        if (form->IsOpen())
            __builtin_trap();
    } else if (error.rfind("fuzz.frm:", 0) != 0 || form->IsOpen()) {
        __builtin_trap();
    }
    form.reset();
    // What the windows posted before they went, and the widgets whose
    // deletion waited for an event loop (those closed from their own
    // handlers), go now: nothing piles up for a later input.
    if (QCoreApplication::instance()) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Every control object made for the form went with it.
    if (nimbo::LiveObjects() != 0)
        __builtin_trap();
    return 0;
}
