// Container scripts: every line is cut into words and its integers read,
// then the whole script runs against a fresh container, dialogs and menus
// answered by the lines that follow, as nimbo-container runs it. Lines that
// wait or touch files are left out: they cost real time or write anywhere.
#include "platform/registry.h"
#include "platform/serial_device.h"
#include "tools/container/container.h"
#include "tools/container/script_line.h"
#include "tools/container/script_runner.h"

#include <cctype>
#include <climits>
#include <QCoreApplication>
#include <QEvent>
#include <QPixmapCache>
#include <QThreadPool>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What ParseScriptInteger documents: a whole word, decimal with an optional
// sign or hexadecimal after 0x, within a long long.
bool Documented(const std::string& text, long long* value)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    std::size_t i = hex ? 2 : 0;
    const bool negative = !hex && !text.empty() && text[0] == '-';
    if (!hex && !text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    if (i == text.size())
        return false;
    unsigned __int128 magnitude = 0;
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!(hex ? std::isxdigit(c) : std::isdigit(c)))
            return false;
        const unsigned digit = std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10;
        magnitude = magnitude * (hex ? 16 : 10) + digit;
        if (magnitude > static_cast<unsigned __int128>(LLONG_MAX) + 1)
            return false;
    }
    if (magnitude > static_cast<unsigned __int128>(LLONG_MAX) + (negative ? 1 : 0))
        return false;
    *value = negative ? static_cast<long long>(-static_cast<__int128>(magnitude)) : static_cast<long long>(magnitude);
    return true;
}

void CheckWords(const std::string& line, const std::vector<ScriptWord>& words)
{
    for (const ScriptWord& w : words) {
        if (!w.quoted) {
            if (w.text.empty())
                __builtin_trap();
            for (char c : w.text)
                if (std::isspace(static_cast<unsigned char>(c)))
                    __builtin_trap();
        }
        if (w.text.size() > line.size())
            __builtin_trap();
        long long parsed = 0, expected = 0;
        const bool taken = ParseScriptInteger(w.text, &parsed);
        if (taken != Documented(w.text, &expected) || (taken && parsed != expected))
            __builtin_trap();
    }
}

// Real waits, pictures and property files stay out of the fuzzed script.
bool Runnable(const std::vector<ScriptWord>& w)
{
    if (w.empty())
        return true;
    const std::string& command = w[0].text;
    if (command == "wait" || command == "screenshot" || command == "load" || command == "save")
        return false;
    return !(command == "dialog" && w.size() > 1 && w[1].text == "screenshot");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#ifdef NIMBO_FUZZ_REGISTRY
    // The store of the build this program came from, every control in it.
    setenv("NIMBO_REGISTRY", NIMBO_FUZZ_REGISTRY, 0);
#endif
    // A server told to go must never reach a real line.
    nimbo::SetSerialOpener([](const std::string&, DWORD* error, std::string* reason) {
        *error = ERROR_FILE_NOT_FOUND;
        *reason = "no lines while fuzzing";
        return std::unique_ptr<nimbo::SerialDevice>();
    });
    // Qt paints with pool threads; kept, rather than made again for each
    // input once idle ones expire, they do not look like memory an input
    // left behind.
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static std::FILE* const output = std::fopen("/dev/null", "w");
    if (!output)
        return 0;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string script;
    std::vector<ScriptWord> words;
    std::string error;
    for (std::string line; std::getline(in, line);) {
        if (!SplitScriptLine(line, &words, &error)) {
            script += line + '\n';  // the container reports it
            continue;
        }
        CheckWords(line, words);
        if (Runnable(words))
            script += line + '\n';
    }

    std::istringstream lines(script);
    {
        Container container(320, 240);
        ScriptRunner runner(container, lines, false, output, output);
        runner.Run();
    }
    // What the windows posted before they went, and the widgets whose
    // deletion waited for an event loop (those closed from their own
    // handlers), go now, with the pictures Qt's style cached while painting:
    // nothing piles up for a later input.
    if (QCoreApplication::instance()) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QPixmapCache::clear();
    }
    // Every control and page object went with the container.
    if (nimbo::LiveObjects() != 0)
        __builtin_trap();
    return 0;
}
