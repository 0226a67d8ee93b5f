#include "tools/plcsim/station_set.h"

#include <stdexcept>
#include <string>

#include "tools/plcsim/frame.h"
#include "tools/plcsim/reply_shaping.h"

namespace plcsim {

namespace {

std::size_t ExpectedLength(std::uint8_t command)
{
    switch (command) {
    case kReadBlock: return kReadBlockLength;
    case kWriteRegister: return kWriteRegisterLength;
    case kWriteBlock: return kWriteBlockLength;
    default: return 0;
    }
}

RequestKind KindOf(std::uint8_t command)
{
    switch (command) {
    case kReadBlock: return RequestKind::ReadBlock;
    case kWriteRegister: return RequestKind::WriteRegister;
    case kWriteBlock: return RequestKind::WriteBlock;
    default: return RequestKind::Other;
    }
}

std::vector<std::uint8_t> WriteEcho(std::uint8_t station, std::uint16_t reg, std::int32_t value)
{
    std::vector<std::uint8_t> data;
    PutRegister(data, reg);
    PutValue(data, value);
    return BuildFrame(station, kWriteEcho, data);
}

// A fault picked at random on top of the station's own.
Faults Combined(Faults faults, const Faults& extra)
{
    faults.silent |= extra.silent;
    faults.bad_checksum |= extra.bad_checksum;
    faults.wrong_station |= extra.wrong_station;
    faults.truncated |= extra.truncated;
    faults.garbage |= extra.garbage;
    faults.delay_ms += extra.delay_ms;
    return faults;
}

}  // namespace

Station& StationSet::Add(std::uint8_t number, Faults faults)
{
    if (number == 0)
        throw std::invalid_argument("station numbers start at 1");
    if (stations_[number])
        throw std::invalid_argument("station " + std::to_string(number) + " added twice");
    stations_[number] = std::make_unique<Station>(number, faults);
    return *stations_[number];
}

Station* StationSet::Find(int number)
{
    return number > 0 && number < 256 ? stations_[number].get() : nullptr;
}

std::vector<int> StationSet::Numbers() const
{
    std::vector<int> numbers;
    for (int n = 1; n < 256; ++n) {
        if (stations_[n])
            numbers.push_back(n);
    }
    return numbers;
}

std::vector<Reply> StationSet::Feed(const std::uint8_t* data, std::size_t n)
{
    scanner_.Push(data, n);
    std::vector<Reply> replies;
    while (auto frame = scanner_.Next()) {
        if (auto reply = Answer(*frame))
            replies.push_back(std::move(*reply));
    }
    return replies;
}

std::optional<Reply> StationSet::Answer(const ScannedFrame& scanned)
{
    const std::vector<std::uint8_t>& frame = scanned.bytes;
    LogEntry entry;
    entry.when = std::chrono::system_clock::now();
    entry.station = frame[1];

    if (scanned.verdict == ScannedFrame::Verdict::BadLength) {
        entry.note = "bad length " + std::to_string(frame[2]);
        log_.Record(std::move(entry));
        return std::nullopt;
    }
    entry.command = frame[3];
    if (scanned.verdict == ScannedFrame::Verdict::BadChecksum) {
        entry.note = "bad checksum";
        log_.Record(std::move(entry));
        return std::nullopt;
    }
    if (frame.size() != ExpectedLength(frame[3])) {
        entry.note = ExpectedLength(frame[3]) ? "malformed, length " + std::to_string(frame.size())
                                              : "unknown command";
        log_.Record(std::move(entry));
        return std::nullopt;
    }
    entry.kind = KindOf(frame[3]);
    entry.reg = GetRegister(&frame[4]);
    for (std::size_t at = 6; at + 4 < frame.size(); at += 4)
        entry.values.push_back(GetValue(&frame[at]));

    Station* station = Find(frame[1]);
    Faults faults = station ? station->GetFaults() : Faults{};
    std::optional<Reply> reply;
    if (!station) {
        entry.note = "other station";
    } else if (faults.silent) {
        entry.note = "silent";
    } else {
        if (const auto fault = random_faults_.Next()) {
            entry.injected = DescribeFaults(AsFaults(*fault));
            faults = Combined(faults, AsFaults(*fault));
        }
        if (!faults.silent)
            reply = AnswerRequest(*station, faults, entry, frame);
    }
    entry.answered = reply.has_value();
    log_.Record(std::move(entry));
    return reply;
}

std::optional<Reply> StationSet::AnswerRequest(Station& station, const Faults& faults, LogEntry& entry,
                                               const std::vector<std::uint8_t>& frame)
{
    const std::uint8_t number = station.Number();
    const std::uint16_t reg = static_cast<std::uint16_t>(entry.reg);
    std::vector<std::uint8_t> answer;
    ReplyKind kind = ReplyKind::WriteEcho;

    switch (entry.kind) {
    case RequestKind::ReadBlock:
        kind = ReplyKind::Block;
        if (station.NextBlockEndsPass()) {
            entry.note = "end of pass";
            answer = BuildFrame(number, kEndOfPass);
        } else {
            std::int32_t values[kBlockRegisters];
            station.ReadBlock(reg, values, kBlockRegisters);
            std::vector<std::uint8_t> data;
            PutRegister(data, reg);
            for (std::int32_t value : values)
                PutValue(data, value);
            answer = BuildFrame(number, kBlockReply, data);
        }
        break;
    case RequestKind::WriteRegister:
        station.Set(reg, entry.values.front());
        answer = WriteEcho(number, reg, entry.values.front());
        break;
    case RequestKind::WriteBlock:
        station.WriteBlock(reg, entry.values.data(), kBlockRegisters);
        answer = WriteEcho(number, reg, station.Get(reg));
        break;
    case RequestKind::Other:
    case RequestKind::ModemCommand:
    case RequestKind::ModemAnswer:
    case RequestKind::Line:
        return std::nullopt;
    }
    return Reply{faults.delay_ms, ShapeReply(faults, std::move(answer), kind)};
}

}  // namespace plcsim
