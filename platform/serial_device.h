// What stands behind a serial handle: a real line (termios) or, in tests, a
// line held in memory. The handle functions in serial.h only dispatch here.
#pragma once

#include "platform/export.h"
#include "platform/serial.h"

#include <functional>
#include <memory>
#include <string>

namespace nimbo {

class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    // Applies the line settings; false when the device cannot take them.
    virtual bool Configure(const DCB& dcb) = 0;
    virtual void SetWriteTimeout(DWORD milliseconds) = 0;
    virtual void Purge(DWORD flags) = 0;
    // Bytes waiting to be read now; never blocks.
    virtual DWORD Available() = 0;
    // Reads at most count of the waiting bytes; never blocks.
    virtual DWORD Read(void* data, DWORD count) = 0;
    // Writes all bytes or gives up at the write timeout; returns how many went out.
    virtual DWORD Write(const void* data, DWORD count) = 0;
    // Bytes written and not yet sent by the driver; 0 where nothing tells.
    virtual DWORD Unsent() { return 0; }
    // True once the device has gone away under an open handle (unplugged, the
    // far end of a pseudo-terminal closed): the handle then drops it and opens
    // the same name again later.
    virtual bool Lost() const { return false; }
    // The descriptor an event loop can watch for bytes to read; -1 for a
    // device that has none (a line held in memory).
    virtual int Descriptor() const { return -1; }
};

// Opens the device behind a port name ("COM3"); on failure returns null
// with a platform error code in *error and a sentence for a person in *reason.
// Called again with the same name whenever a lost line is reopened.
using SerialOpener =
    std::function<std::unique_ptr<SerialDevice>(const std::string& name, DWORD* error, std::string* reason)>;

// Tests put a memory line in place of the real devices; an empty opener
// restores the real one.
NIMBO_PLATFORM_API void SetSerialOpener(SerialOpener opener);

// The real opener: termios on the device the name resolves to.
NIMBO_PLATFORM_API std::unique_ptr<SerialDevice> OpenPosixSerial(const std::string& name, DWORD* error,
                                                                 std::string* reason);

// Folder where "COMn" entries map port names to devices:
// $NIMBO_DEVICES, else ~/.config/nimbo/devices.
NIMBO_PLATFORM_API std::string SerialDevicesFolder();

// "COMn" -> the entry COMn of the devices folder when it exists, else /dev/ttyS<n-1>.
// Other names are taken as paths.
NIMBO_PLATFORM_API std::string ResolveSerialDevicePath(const std::string& name);

// Why the last CreateFileA on a serial name failed, in words (empty after a success).
NIMBO_PLATFORM_API std::string LastSerialOpenFailure();

}  // namespace nimbo
