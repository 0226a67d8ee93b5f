#include "platform/readiness.h"
#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

using nimbo::test::RunUntil;

namespace {

struct Pipe {
    Pipe()
    {
        EXPECT_EQ(pipe2(ends, O_NONBLOCK), 0);
    }
    ~Pipe()
    {
        close(ends[0]);
        close(ends[1]);
    }
    int ends[2] = {-1, -1};
};

TEST(DescriptorWatch, ReadsWhatArrivesWhileTheLoopRunsAndStopsWhenDisabled)
{
    Pipe p;
    std::string got;
    nimbo::DescriptorWatch watch(p.ends[0], nimbo::Readiness::Read, [&] {
        char buffer[16];
        const ssize_t n = read(p.ends[0], buffer, sizeof buffer);
        if (n > 0)
            got.append(buffer, static_cast<std::size_t>(n));
    });
    ASSERT_EQ(write(p.ends[1], "ab", 2), 2);
    EXPECT_TRUE(RunUntil([&] { return got == "ab"; }));

    watch.SetEnabled(false);
    EXPECT_FALSE(watch.Enabled());
    ASSERT_EQ(write(p.ends[1], "c", 1), 1);
    nimbo::RunEventLoop(50);
    EXPECT_EQ(got, "ab");
    watch.SetEnabled(true);
    EXPECT_TRUE(RunUntil([&] { return got == "abc"; }));
}

TEST(DescriptorWatch, MayEndItselfFromItsHandler)
{
    Pipe p;
    int calls = 0;
    std::unique_ptr<nimbo::DescriptorWatch> watch;
    watch = std::make_unique<nimbo::DescriptorWatch>(p.ends[1], nimbo::Readiness::Write, [&] {
        ++calls;
        watch.reset();
    });
    EXPECT_TRUE(RunUntil([&] { return watch == nullptr; }));
    nimbo::RunEventLoop(50);
    EXPECT_EQ(calls, 1);
}

}  // namespace
