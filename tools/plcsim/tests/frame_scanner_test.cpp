#include "tools/plcsim/frame_scanner.h"

#include <gtest/gtest.h>

#include "tools/plcsim/tests/request_frames.h"

namespace plcsim {
namespace {

using test::Bytes;
using Verdict = ScannedFrame::Verdict;

std::vector<ScannedFrame> ScanAll(FrameScanner& scanner, const Bytes& bytes)
{
    scanner.Push(bytes.data(), bytes.size());
    std::vector<ScannedFrame> frames;
    while (auto frame = scanner.Next())
        frames.push_back(*frame);
    return frames;
}

TEST(FrameScanning, WholeFrameComesOutOnce)
{
    FrameScanner scanner;
    const Bytes request = test::ReadBlockRequest(2, 300);
    const auto frames = ScanAll(scanner, request);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].verdict, Verdict::Good);
    EXPECT_EQ(frames[0].bytes, request);
    EXPECT_EQ(scanner.Buffered(), 0u);
}

TEST(FrameScanning, FrameFedByteByByteIsKeptUntilComplete)
{
    FrameScanner scanner;
    const Bytes request = test::WriteRequest(1, 5, 0x12345678);
    for (std::size_t i = 0; i + 1 < request.size(); ++i)
        EXPECT_TRUE(ScanAll(scanner, {request[i]}).empty()) << "after byte " << i;
    const auto frames = ScanAll(scanner, {request.back()});
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].bytes, request);
}

TEST(FrameScanning, SplitAcrossReadsAtEveryPoint)
{
    const Bytes request = test::WriteBlockRequest(3, 10, std::vector<std::int32_t>(16, -1));
    for (std::size_t cut = 1; cut < request.size(); ++cut) {
        FrameScanner scanner;
        EXPECT_TRUE(ScanAll(scanner, Bytes(request.begin(), request.begin() + cut)).empty());
        const auto frames = ScanAll(scanner, Bytes(request.begin() + cut, request.end()));
        ASSERT_EQ(frames.size(), 1u) << "cut at " << cut;
        EXPECT_EQ(frames[0].verdict, Verdict::Good);
    }
}

TEST(FrameScanning, NoiseBeforeAFrameIsSkipped)
{
    FrameScanner scanner;
    const Bytes request = test::ReadBlockRequest(1, 0);
    const auto frames = ScanAll(scanner, test::Concat({{0x00, 0x55, 0xAA, 0x13}, request}));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].bytes, request);
}

TEST(FrameScanning, BadChecksumCostsOnlyOneByteThenTheNextFrameIsFound)
{
    FrameScanner scanner;
    Bytes broken = test::ReadBlockRequest(1, 300);
    broken.back() ^= 0x01;
    const Bytes good = test::ReadBlockRequest(1, 316);
    const auto frames = ScanAll(scanner, test::Concat({broken, good}));
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].verdict, Verdict::BadChecksum);
    EXPECT_EQ(frames[1].verdict, Verdict::Good);
    EXPECT_EQ(frames[1].bytes, good);
}

TEST(FrameScanning, ShortLengthIsRejectedWithoutWaitingForMore)
{
    FrameScanner scanner;
    const Bytes good = test::ReadBlockRequest(1, 1);
    const auto frames = ScanAll(scanner, test::Concat({{0xFF, 0x01, 0x03}, good}));
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].verdict, Verdict::BadLength);
    EXPECT_EQ(frames[1].bytes, good);
}

TEST(FrameScanning, StartByteInsideATruncatedFrameDoesNotSwallowTheNextRequest)
{
    // The master gave up on a request halfway and sent a fresh one: the
    // half frame eats into the new one, fails its checksum, and the scan
    // must still land on the new frame's start byte.
    FrameScanner scanner;
    const Bytes first = test::WriteRequest(1, 5, 7);
    const Bytes second = test::ReadBlockRequest(1, 300);
    Bytes stream(first.begin(), first.begin() + 6);
    stream.insert(stream.end(), second.begin(), second.end());
    const auto frames = ScanAll(scanner, stream);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].verdict, Verdict::BadChecksum);
    EXPECT_EQ(frames[1].verdict, Verdict::Good);
    EXPECT_EQ(frames[1].bytes, second);
    EXPECT_EQ(scanner.Buffered(), 0u);
}

}  // namespace
}  // namespace plcsim
