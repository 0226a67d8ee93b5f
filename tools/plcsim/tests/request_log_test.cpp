#include "tools/plcsim/request_log.h"

#include <gtest/gtest.h>

#include <ctime>

namespace plcsim {
namespace {

std::chrono::system_clock::time_point LocalTime(int hour, int minute, int second, int ms)
{
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 14;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local)) + std::chrono::milliseconds(ms);
}

LogEntry Entry(int station, RequestKind kind, int reg, std::vector<std::int32_t> values, bool answered,
               std::string note = {})
{
    LogEntry entry;
    entry.when = LocalTime(12, 3, 4, 567);
    entry.station = station;
    entry.kind = kind;
    entry.reg = reg;
    entry.values = std::move(values);
    entry.answered = answered;
    entry.note = std::move(note);
    return entry;
}

TEST(RequestLogLines, ReadWriteAndBlockWrite)
{
    EXPECT_EQ(FormatEntry(Entry(1, RequestKind::ReadBlock, 300, {}, true)), "12:03:04.567 st=1 read reg=300");
    EXPECT_EQ(FormatEntry(Entry(1, RequestKind::WriteRegister, 301, {-50}, true)),
              "12:03:04.567 st=1 write reg=301 value=-50");
    EXPECT_EQ(FormatEntry(Entry(2, RequestKind::WriteBlock, 10, {1, 2, 3}, true)),
              "12:03:04.567 st=2 write-block reg=10 values=1,2,3");
}

TEST(RequestLogLines, IgnoredSaysWhyAndNotesShowOnAnswers)
{
    EXPECT_EQ(FormatEntry(Entry(9, RequestKind::ReadBlock, 300, {}, false, "other station")),
              "12:03:04.567 st=9 read reg=300 ignored: other station");
    EXPECT_EQ(FormatEntry(Entry(1, RequestKind::ReadBlock, 316, {}, true, "end of pass")),
              "12:03:04.567 st=1 read reg=316 (end of pass)");
    LogEntry bad = Entry(1, RequestKind::Other, -1, {}, false, "bad checksum");
    bad.command = 0x3B;
    EXPECT_EQ(FormatEntry(bad), "12:03:04.567 st=1 cmd=0x3b ignored: bad checksum");
}

TEST(RequestLogLines, RandomFaultsAndLineNotesAreNamed)
{
    LogEntry badsum = Entry(1, RequestKind::ReadBlock, 316, {}, true, "end of pass");
    badsum.injected = "badsum";
    EXPECT_EQ(FormatEntry(badsum), "12:03:04.567 st=1 read reg=316 (end of pass, random fault badsum)");
    LogEntry lost = Entry(1, RequestKind::WriteRegister, 5, {1}, false);
    lost.injected = "silent";
    EXPECT_EQ(FormatEntry(lost), "12:03:04.567 st=1 write reg=5 value=1 ignored: random fault silent");
    LogEntry speed = Entry(-1, RequestKind::Line, -1, {}, true);
    speed.text = "9600 bit/s";
    EXPECT_EQ(FormatEntry(speed), "12:03:04.567 line: 9600 bit/s");
}

TEST(RequestLogLines, MillisecondsKeepLeadingZeros)
{
    LogEntry entry = Entry(1, RequestKind::ReadBlock, 0, {}, true);
    entry.when = LocalTime(0, 0, 9, 5);
    EXPECT_EQ(FormatEntry(entry).substr(0, 12), "00:00:09.005");
}

TEST(RequestLogKeeping, OldestGoFirstOnceFull)
{
    RequestLog log(3);
    for (int reg = 0; reg < 5; ++reg)
        log.Record(Entry(1, RequestKind::ReadBlock, reg, {}, true));
    const auto entries = log.Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries.front().reg, 2);
    EXPECT_EQ(entries.back().reg, 4);
    log.Clear();
    EXPECT_TRUE(log.Entries().empty());
}

TEST(RequestLogKeeping, ListenerHearsEachEntryInOrder)
{
    RequestLog log;
    std::vector<int> heard;
    log.SetListener([&heard](const LogEntry& entry) { heard.push_back(entry.reg); });
    log.Record(Entry(1, RequestKind::ReadBlock, 7, {}, true));
    log.Record(Entry(1, RequestKind::ReadBlock, 8, {}, true));
    log.SetListener(nullptr);
    log.Record(Entry(1, RequestKind::ReadBlock, 9, {}, true));
    EXPECT_EQ(heard, (std::vector<int>{7, 8}));
}

}  // namespace
}  // namespace plcsim
