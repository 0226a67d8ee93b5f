#include "tools/plcsim/request_log.h"

#include <ctime>
#include <cstdio>

namespace plcsim {

namespace {

std::string TimeOfDay(std::chrono::system_clock::time_point when)
{
    using namespace std::chrono;
    const std::time_t seconds = system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = duration_cast<milliseconds>(when.time_since_epoch()).count() % 1000;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int>(ms < 0 ? ms + 1000 : ms));
    return text;
}

// Modem text in quotes with its line ends and stray bytes spelled out, so
// a split or garbled answer shows exactly what went over the line.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            quoted += hex;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace

std::string FormatEntry(const LogEntry& entry)
{
    std::string line = TimeOfDay(entry.when);
    if (entry.station >= 0)
        line += " st=" + std::to_string(entry.station);
    switch (entry.kind) {
    case RequestKind::ReadBlock:
        line += " read reg=" + std::to_string(entry.reg);
        break;
    case RequestKind::WriteRegister:
        line += " write reg=" + std::to_string(entry.reg);
        if (!entry.values.empty())
            line += " value=" + std::to_string(entry.values.front());
        break;
    case RequestKind::WriteBlock:
        line += " write-block reg=" + std::to_string(entry.reg) + " values=";
        for (std::size_t i = 0; i < entry.values.size(); ++i)
            line += (i ? "," : "") + std::to_string(entry.values[i]);
        break;
    case RequestKind::ModemCommand:
        line += " modem <- " + Quoted(entry.text);
        break;
    case RequestKind::ModemAnswer:
        line += " modem -> " + Quoted(entry.text);
        break;
    case RequestKind::Line:
        line += " line: " + entry.text;
        break;
    case RequestKind::Other:
        if (entry.command >= 0) {
            char text[16];
            std::snprintf(text, sizeof text, " cmd=0x%02x", entry.command);
            line += text;
        }
        break;
    }
    std::string remark = entry.note;
    if (!entry.injected.empty())
        remark += (remark.empty() ? "" : ", ") + ("random fault " + entry.injected);
    if (!entry.answered)
        line += " ignored: " + remark;
    else if (!remark.empty())
        line += " (" + remark + ")";
    return line;
}

RequestLog::RequestLog(std::size_t capacity) : capacity_(capacity ? capacity : 1) {}

void RequestLog::Record(LogEntry entry)
{
    std::lock_guard lock(mutex_);
    if (entries_.size() == capacity_)
        entries_.pop_front();
    entries_.push_back(std::move(entry));
    if (listener_)
        listener_(entries_.back());
}

std::vector<LogEntry> RequestLog::Entries() const
{
    std::lock_guard lock(mutex_);
    return {entries_.begin(), entries_.end()};
}

void RequestLog::Clear()
{
    std::lock_guard lock(mutex_);
    entries_.clear();
}

void RequestLog::SetListener(std::function<void(const LogEntry&)> listener)
{
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

}  // namespace plcsim
