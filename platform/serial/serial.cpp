#include "platform/serial.h"

#include "platform/clock.h"
#include "platform/serial_device.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

// A lost line is tried again at most this often: the scan keeps calling
// while the line is gone, and each call must not cost an open.
constexpr DWORD kReopenInterval = 1000;

nimbo::SerialOpener& CurrentOpener()
{
    static nimbo::SerialOpener opener;
    return opener;
}

std::string& LastOpenFailure()
{
    static std::string text;
    return text;
}

std::unique_ptr<nimbo::SerialDevice> OpenDevice(const std::string& name, DWORD* error, std::string* reason)
{
    return CurrentOpener() ? CurrentOpener()(name, error, reason) : nimbo::OpenPosixSerial(name, error, reason);
}

// What a handle stands for: a named line and what its owner set on it. The
// device behind it may go away and come back; the handle stays valid and the
// settings are put on the device again when it returns.
struct Port {
    std::string name;
    std::unique_ptr<nimbo::SerialDevice> device;  // null while the line is gone
    std::optional<DCB> settings;
    std::optional<DWORD> writeTimeout;
    DWORD lastAttempt = 0;  // tick of the loss or of the last try to reopen
    // The last write, for FlushFileBuffers: when and how many bytes.
    DWORD lastWriteTick = 0;
    DWORD lastWriteBytes = 0;
};

// Handles are small numbers in a table of their own, so a stale or forged
// handle can never reach a device that is gone.
std::map<std::uintptr_t, Port>& Ports()
{
    static std::map<std::uintptr_t, Port> ports;
    return ports;
}

std::uintptr_t nextHandle = 0x100;

Port* Lookup(HANDLE handle)
{
    auto it = Ports().find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == Ports().end()) {
        lastError = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    return &it->second;
}

// Closes the descriptor of a device that reported itself gone; the name is
// opened again from the next call a second on.
bool DropIfLost(Port& port)
{
    if (!port.device || !port.device->Lost())
        return false;
    port.device.reset();
    port.lastAttempt = GetTickCount();
    return true;
}

// The device behind the port, reopened when the line was lost and the last
// try is a second old; null while the line stays gone. The name is resolved
// again on every try, so a mapping pointed at another device is followed.
// Queue sizes never reach a device here (SetupComm only checks the handle),
// so speed, framing, handshake and write timeout are all there is to restore.
nimbo::SerialDevice* Live(Port& port)
{
    if (port.device || GetTickCount() - port.lastAttempt < kReopenInterval)
        return port.device.get();
    port.lastAttempt = GetTickCount();
    DWORD error = ERROR_SUCCESS;
    std::string reason;
    port.device = OpenDevice(port.name, &error, &reason);
    if (!port.device)
        return nullptr;
    if (port.settings)
        port.device->Configure(*port.settings);
    if (port.writeTimeout)
        port.device->SetWriteTimeout(*port.writeTimeout);
    DropIfLost(port);
    return port.device.get();
}

BOOL Done() { lastError = ERROR_SUCCESS; return TRUE; }

}  // namespace

void nimbo::SetSerialOpener(SerialOpener opener) { CurrentOpener() = std::move(opener); }

std::string nimbo::LastSerialOpenFailure() { return LastOpenFailure(); }

DWORD GetLastError() { return lastError; }
void SetLastError(DWORD error) { lastError = error; }

HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD shareMode, void*, DWORD creation, DWORD, HANDLE)
{
    if (name == nullptr || creation != OPEN_EXISTING || (access & (GENERIC_READ | GENERIC_WRITE)) == 0) {
        lastError = ERROR_INVALID_PARAMETER;
        LastOpenFailure() = "invalid open request";
        return INVALID_HANDLE_VALUE;
    }
    DWORD error = ERROR_GEN_FAILURE;
    std::string reason;
    std::unique_ptr<nimbo::SerialDevice> device = OpenDevice(name, &error, &reason);
    if (!device) {
        lastError = error;
        LastOpenFailure() = reason;
        return INVALID_HANDLE_VALUE;
    }
    LastOpenFailure().clear();
    std::uintptr_t id = nextHandle++;
    Port& port = Ports()[id];
    port.name = name;
    port.device = std::move(device);
    lastError = ERROR_SUCCESS;
    return reinterpret_cast<HANDLE>(id);
}

// The owner's close ends the port for good: nothing reopens it afterwards.
BOOL CloseHandle(HANDLE handle)
{
    if (Ports().erase(reinterpret_cast<std::uintptr_t>(handle)) == 0) {
        lastError = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    return Done();
}

BOOL SetCommMask(HANDLE handle, DWORD) { return Lookup(handle) ? Done() : FALSE; }

// Queue sizes are the kernel's business on this platform; the call only
// checks the handle.
BOOL SetupComm(HANDLE handle, DWORD, DWORD) { return Lookup(handle) ? Done() : FALSE; }

BOOL PurgeComm(HANDLE handle, DWORD flags)
{
    Port* port = Lookup(handle);
    if (!port)
        return FALSE;
    if (nimbo::SerialDevice* device = Live(*port)) {
        device->Purge(flags);
        DropIfLost(*port);
    }
    return Done();
}

BOOL SetCommTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts)
{
    Port* port = Lookup(handle);
    if (!port || timeouts == nullptr)
        return FALSE;
    port->writeTimeout = timeouts->WriteTotalTimeoutConstant;
    if (port->device)
        port->device->SetWriteTimeout(timeouts->WriteTotalTimeoutConstant);
    return Done();
}

namespace {

// One "key=value" token of a settings text; false when the token is not understood.
bool ApplySetting(const std::string& key, const std::string& value, DCB* dcb)
{
    char* end = nullptr;
    if (key == "baud") {
        unsigned long baud = std::strtoul(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0' || baud == 0)
            return false;
        dcb->BaudRate = static_cast<DWORD>(baud);
        return true;
    }
    if (key == "parity") {
        static const char letters[] = "noems";
        const char* at = value.size() == 1 ? std::strchr(letters, value[0] | 0x20) : nullptr;
        if (at == nullptr || *at == '\0')
            return false;
        dcb->Parity = static_cast<BYTE>(at - letters);
        dcb->fParity = dcb->Parity != NOPARITY;
        return true;
    }
    if (key == "data") {
        if (value.size() != 1 || value[0] < '5' || value[0] > '8')
            return false;
        dcb->ByteSize = static_cast<BYTE>(value[0] - '0');
        return true;
    }
    if (key == "stop") {
        if (value == "1") dcb->StopBits = ONESTOPBIT;
        else if (value == "1.5") dcb->StopBits = ONE5STOPBITS;
        else if (value == "2") dcb->StopBits = TWOSTOPBITS;
        else return false;
        return true;
    }
    return key == "to" || key == "xon" || key == "odsr" || key == "octs" || key == "dtr" || key == "rts" ||
           key == "idsr";
}

}  // namespace

// Understands "COMn: baud=B parity=P data=D stop=S" in the usual mode-command
// form: the device part up to the colon is skipped, then key=value tokens.
BOOL BuildCommDCBA(LPCSTR definition, DCB* dcb)
{
    if (definition == nullptr || dcb == nullptr) {
        lastError = ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    std::string text(definition);
    std::size_t colon = text.find(':');
    if (colon != std::string::npos)
        text = text.substr(colon + 1);
    DCB parsed = *dcb;
    parsed.DCBlength = sizeof(DCB);
    parsed.fBinary = 1;
    std::size_t pos = 0;
    bool any = false;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == ','))
            ++pos;
        if (pos >= text.size())
            break;
        std::size_t end = text.find_first_of(" \t,", pos);
        std::string token = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? text.size() : end;
        std::size_t eq = token.find('=');
        if (eq == std::string::npos || !ApplySetting(token.substr(0, eq), token.substr(eq + 1), &parsed)) {
            lastError = ERROR_INVALID_PARAMETER;
            return FALSE;
        }
        any = true;
    }
    if (!any) {
        lastError = ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    *dcb = parsed;
    return Done();
}

// The settings are kept even when the device refuses part of them (it is
// still made raw), so that a reopened line is set up the same way.
BOOL SetCommState(HANDLE handle, DCB* dcb)
{
    Port* port = Lookup(handle);
    if (!port || dcb == nullptr)
        return FALSE;
    port->settings = *dcb;
    nimbo::SerialDevice* device = Live(*port);
    if (!device)
        return Done();
    bool taken = device->Configure(*dcb);
    if (DropIfLost(*port))
        return Done();
    if (!taken) {
        lastError = ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    return Done();
}

BOOL GetCommState(HANDLE handle, DCB* dcb)
{
    Port* port = Lookup(handle);
    if (!port || dcb == nullptr)
        return FALSE;
    if (port->settings)
        *dcb = *port->settings;
    else
        std::memset(dcb, 0, sizeof(DCB));
    return Done();
}

// While the line is gone nothing is waiting and no error is raised: to the
// port object a lost line looks like PLCs that do not answer.
BOOL ClearCommError(HANDLE handle, DWORD* errors, COMSTAT* status)
{
    Port* port = Lookup(handle);
    if (errors)
        *errors = 0;
    if (status)
        std::memset(status, 0, sizeof(COMSTAT));
    if (!port)
        return FALSE;
    nimbo::SerialDevice* device = Live(*port);
    DWORD waiting = device ? device->Available() : 0;
    if (status && !DropIfLost(*port))
        status->cbInQue = waiting;
    return Done();
}

// Bytes written to a line that is gone are dropped as a line without a cable
// would drop them, and reported as sent.
BOOL WriteFile(HANDLE handle, const void* data, DWORD count, DWORD* written, OVERLAPPED* overlapped)
{
    if (written)
        *written = 0;
    Port* port = Lookup(handle);
    if (!port)
        return FALSE;
    nimbo::SerialDevice* device = Live(*port);
    DWORD sent = device ? device->Write(data, count) : count;
    port->lastWriteTick = GetTickCount();
    port->lastWriteBytes = sent;
    if (DropIfLost(*port))
        sent = count;
    if (written)
        *written = sent;
    if (overlapped)
        overlapped->InternalHigh = sent;
    if (sent < count) {
        lastError = ERROR_TIMEOUT;
        return FALSE;
    }
    return Done();
}

// Waits until what was written has left: the driver's queue empty and the
// last write's own time on the wire (10 bits a byte) gone by, for the
// bytes a UART still holds and for a pseudo-terminal, whose far end takes
// them a moment later. A purge or a close before that would drop them.
// Never longer than that time and a small margin, so that a line that does
// not move (a handshake that holds the output) cannot stall the caller.
BOOL FlushFileBuffers(HANDLE handle)
{
    constexpr DWORD kMarginMs = 50;
    Port* port = Lookup(handle);
    if (!port)
        return FALSE;
    nimbo::SerialDevice* device = Live(*port);
    if (!device)
        return Done();
    const DWORD baud = port->settings && port->settings->BaudRate > 0 ? port->settings->BaudRate : 9600;
    const auto wire = static_cast<DWORD>((std::uint64_t{port->lastWriteBytes} * 10 * 1000 + baud - 1) / baud + 1);
    const DWORD start = GetTickCount();
    const DWORD sinceWrite = start - port->lastWriteTick;
    const DWORD onTheWire = wire > sinceWrite ? wire - sinceWrite : 0;
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if ((elapsed >= onTheWire && device->Unsent() == 0) || elapsed >= onTheWire + kMarginMs || device->Lost())
            break;
        Sleep(1);
    }
    DropIfLost(*port);
    return Done();
}

BOOL ReadFile(HANDLE handle, void* data, DWORD count, DWORD* read, OVERLAPPED* overlapped)
{
    if (read)
        *read = 0;
    Port* port = Lookup(handle);
    if (!port)
        return FALSE;
    nimbo::SerialDevice* device = Live(*port);
    DWORD got = device ? device->Read(data, count) : 0;
    DropIfLost(*port);
    if (read)
        *read = got;
    if (overlapped)
        overlapped->InternalHigh = got;
    return Done();
}

// Every operation has completed by the time it returned, so the result is
// what the record holds.
BOOL GetOverlappedResult(HANDLE handle, OVERLAPPED* overlapped, DWORD* transferred, BOOL)
{
    if (!Lookup(handle) || overlapped == nullptr)
        return FALSE;
    if (transferred)
        *transferred = static_cast<DWORD>(overlapped->InternalHigh);
    return Done();
}

int nimbo::SerialDescriptor(HANDLE handle)
{
    auto it = Ports().find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == Ports().end() || !it->second.device || it->second.device->Lost())
        return -1;
    return it->second.device->Descriptor();
}
