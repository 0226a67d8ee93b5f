// Settings texts and port names as the serial layer understands them.
#include "platform/serial.h"
#include "platform/serial_device.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

TEST(SettingsText, LinkTextGivesEightNoneOne)
{
    DCB dcb{};
    ASSERT_TRUE(BuildCommDCBA("COM1 : baud=19200 parity=N data=8 stop=1 ", &dcb));
    EXPECT_EQ(dcb.BaudRate, 19200u);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_EQ(dcb.fBinary, 1u);

    ASSERT_TRUE(BuildCommDCBA("COM3: baud=4800 parity=e data=7 stop=2", &dcb));
    EXPECT_EQ(dcb.BaudRate, 4800u);
    EXPECT_EQ(dcb.Parity, EVENPARITY);
    EXPECT_EQ(dcb.ByteSize, 7);
    EXPECT_EQ(dcb.StopBits, TWOSTOPBITS);
}

TEST(SettingsText, MalformedTextsLeaveTheRecordAlone)
{
    DCB dcb{};
    dcb.BaudRate = 1234;
    for (const char* bad : {"COM1 : baud=fast", "COM1 : parity=Q", "COM1 : data=9", "COM1 :", "COM1 : color=red"}) {
        EXPECT_FALSE(BuildCommDCBA(bad, &dcb)) << bad;
        EXPECT_EQ(dcb.BaudRate, 1234u) << bad;
    }
    EXPECT_FALSE(BuildCommDCBA(nullptr, &dcb));
}

class DevicesFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-devices-XXXXXX";
        folder = mkdtemp(pattern);
        setenv("NIMBO_DEVICES", folder.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("NIMBO_DEVICES");
        std::filesystem::remove_all(folder);
    }
    std::string folder;
};

TEST_F(DevicesFolder, PortNamesResolveThroughTheFolderElseToTtyS)
{
    EXPECT_EQ(nimbo::SerialDevicesFolder(), folder);
    EXPECT_EQ(nimbo::ResolveSerialDevicePath("COM3"), "/dev/ttyS2");
    std::filesystem::create_symlink("/dev/null", folder + "/COM3");
    EXPECT_EQ(nimbo::ResolveSerialDevicePath("COM3"), folder + "/COM3");
    std::filesystem::create_symlink("/nowhere/at/all", folder + "/COM4");
    EXPECT_EQ(nimbo::ResolveSerialDevicePath("COM4"), folder + "/COM4") << "a dangling entry still names the port";
    EXPECT_EQ(nimbo::ResolveSerialDevicePath("COM0"), "COM0");
    EXPECT_EQ(nimbo::ResolveSerialDevicePath("/dev/ttyUSB0"), "/dev/ttyUSB0");
}

TEST_F(DevicesFolder, FailedOpensSayWhy)
{
    std::filesystem::create_symlink("/nowhere/at/all", folder + "/COM4");
    HANDLE h = CreateFileA("COM4", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_NE(nimbo::LastSerialOpenFailure().find("no such device"), std::string::npos);

    std::filesystem::create_symlink("/dev/null", folder + "/COM5");
    h = CreateFileA("COM5", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE) << "not a terminal";
}

TEST(SerialHandles, UnknownHandlesAreRefused)
{
    HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x7777));
    EXPECT_FALSE(CloseHandle(bogus));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    DWORD n = 5;
    char buf[4];
    EXPECT_FALSE(ReadFile(bogus, buf, 4, &n, nullptr));
    EXPECT_EQ(n, 0u);
    COMSTAT st{};
    st.cbInQue = 9;
    EXPECT_FALSE(ClearCommError(bogus, nullptr, &st));
    EXPECT_EQ(st.cbInQue, 0u);
}
