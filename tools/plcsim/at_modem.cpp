#include "tools/plcsim/at_modem.h"

#include <cctype>
#include <string_view>
#include <utility>

namespace plcsim {

namespace {

using SystemClock = std::chrono::system_clock;

// Hayes modems take about 40 characters; anything far past that is not a
// command but bytes meant for a station while the line was not connected.
constexpr std::size_t kMaxLineLength = 255;

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    }
    return true;
}

bool IsEscape(std::string_view text)
{
    if (text.ends_with("\r\n"))
        text.remove_suffix(2);
    else if (text.ends_with('\r') || text.ends_with('\n'))
        text.remove_suffix(1);
    return text == "+++" || (text.size() == 4 && StartsWithNoCase(text, "AT++"));
}

LogEntry ModemEntry(RequestKind kind, std::string text, SystemClock::time_point when)
{
    LogEntry entry;
    entry.when = when;
    entry.kind = kind;
    entry.text = std::move(text);
    entry.answered = true;
    return entry;
}

}  // namespace

AtModem::AtModem(StationSet& stations, int speed, ModemFaults faults)
    : stations_(stations), speed_(speed), faults_(faults)
{
}

std::vector<Reply> AtModem::Feed(const std::uint8_t* data, std::size_t n, SystemClock::time_point now)
{
    std::vector<Reply> out;
    const std::string_view read(reinterpret_cast<const char*>(data), n);
    // Frame bytes may take any value, so only a read standing on its own
    // between frames (or between command lines) can be the escape.
    if (line_.empty() && !stations_.CollectingFrame() && IsEscape(read)) {
        Escape(std::string(read), out, now);
        return out;
    }

    std::size_t i = 0;
    for (; i < n && !data_mode_; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n' && std::exchange(after_cr_, false))
            continue;
        after_cr_ = c == '\r';
        if (c == '\r' || c == '\n')
            EndLine(out, now);
        else if (line_.size() < kMaxLineLength)
            line_ += c;
        else
            line_too_long_ = true;
    }
    if (i == n)
        return out;

    // Connected in the middle of this read: the rest is the stations'.
    if (std::exchange(after_cr_, false) && data[i] == '\n')
        ++i;
    for (Reply& reply : stations_.Feed(data + i, n - i))
        out.push_back(std::move(reply));
    return out;
}

void AtModem::EndLine(std::vector<Reply>& out, SystemClock::time_point now)
{
    LogEntry entry = ModemEntry(RequestKind::ModemCommand, std::exchange(line_, {}), now);
    const bool too_long = std::exchange(line_too_long_, false);
    const std::string& line = entry.text;
    std::string answer = "ERROR\r\n";
    if (line.empty()) {
        entry.answered = false;
        entry.note = "empty line";
    } else if (faults_.silent) {
        entry.answered = false;
        entry.note = "silent";
    } else if (too_long) {
        entry.note = "too long";
    } else if (StartsWithNoCase(line, "ATD")) {
        Dial(std::move(entry), out, now);
        return;
    } else if (StartsWithNoCase(line, "AT")) {
        answer = "OK\r\n";
    }
    const bool answered = entry.answered;
    stations_.Log().Record(std::move(entry));
    if (answered)
        Answer(out, now, answer);
}

void AtModem::Dial(LogEntry entry, std::vector<Reply>& out, SystemClock::time_point now)
{
    std::string answer;
    if (faults_.no_carrier) {
        answer = "NO CARRIER\r\n";
    } else if (faults_.bare_connect) {
        // Stays in command mode, so a master that takes this for a
        // connection hears no station either.
        answer = "CONNECT\r\n";
    } else {
        answer = "CONNECT " + std::to_string(speed_) + "\r\n";
        data_mode_ = true;
        entry.note = "data mode";
    }
    stations_.Log().Record(std::move(entry));
    if (faults_.split_ms > 0) {
        Answer(out, now, answer.substr(0, kSplitHead));
        Answer(out, now, answer.substr(kSplitHead), faults_.split_ms);
    } else {
        Answer(out, now, answer);
    }
}

void AtModem::Escape(std::string text, std::vector<Reply>& out, SystemClock::time_point now)
{
    after_cr_ = false;
    data_mode_ = false;
    LogEntry entry = ModemEntry(RequestKind::ModemCommand, std::move(text), now);
    entry.answered = !faults_.silent;
    entry.note = faults_.silent ? "silent" : "escape, command mode";
    stations_.Log().Record(std::move(entry));
    if (!faults_.silent)
        Answer(out, now, "OK\r\n");
}

void AtModem::Answer(std::vector<Reply>& out, SystemClock::time_point now, std::string text, int delay_ms)
{
    // Stamped with the time it is due on the line, not when it was decided.
    stations_.Log().Record(
        ModemEntry(RequestKind::ModemAnswer, text, now + std::chrono::milliseconds(delay_ms)));
    out.push_back({delay_ms, std::vector<std::uint8_t>(text.begin(), text.end())});
}

}  // namespace plcsim
