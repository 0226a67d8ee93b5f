#include "platform/serial.h"

#include "platform/serial_device.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

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

// Handles are small numbers in a table of their own, so a stale or forged
// handle can never reach a device that is gone.
std::map<std::uintptr_t, std::unique_ptr<nimbo::SerialDevice>>& Devices()
{
    static std::map<std::uintptr_t, std::unique_ptr<nimbo::SerialDevice>> devices;
    return devices;
}

std::uintptr_t nextHandle = 0x100;

nimbo::SerialDevice* Lookup(HANDLE handle)
{
    auto it = Devices().find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == Devices().end()) {
        lastError = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    return it->second.get();
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
    std::unique_ptr<nimbo::SerialDevice> device =
        CurrentOpener() ? CurrentOpener()(name, &error, &reason) : nimbo::OpenPosixSerial(name, &error, &reason);
    if (!device) {
        lastError = error;
        LastOpenFailure() = reason;
        return INVALID_HANDLE_VALUE;
    }
    LastOpenFailure().clear();
    std::uintptr_t id = nextHandle++;
    Devices()[id] = std::move(device);
    lastError = ERROR_SUCCESS;
    return reinterpret_cast<HANDLE>(id);
}

std::map<std::uintptr_t, DCB>& States();

BOOL CloseHandle(HANDLE handle)
{
    States().erase(reinterpret_cast<std::uintptr_t>(handle));
    if (Devices().erase(reinterpret_cast<std::uintptr_t>(handle)) == 0) {
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
    nimbo::SerialDevice* device = Lookup(handle);
    if (!device)
        return FALSE;
    device->Purge(flags);
    return Done();
}

BOOL SetCommTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts)
{
    nimbo::SerialDevice* device = Lookup(handle);
    if (!device || timeouts == nullptr)
        return FALSE;
    device->SetWriteTimeout(timeouts->WriteTotalTimeoutConstant);
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

std::map<std::uintptr_t, DCB>& States()
{
    static std::map<std::uintptr_t, DCB> states;
    return states;
}

BOOL SetCommState(HANDLE handle, DCB* dcb)
{
    nimbo::SerialDevice* device = Lookup(handle);
    if (!device || dcb == nullptr)
        return FALSE;
    if (!device->Configure(*dcb)) {
        lastError = ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    States()[reinterpret_cast<std::uintptr_t>(handle)] = *dcb;
    return Done();
}

BOOL GetCommState(HANDLE handle, DCB* dcb)
{
    if (!Lookup(handle) || dcb == nullptr)
        return FALSE;
    auto it = States().find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == States().end())
        std::memset(dcb, 0, sizeof(DCB));
    else
        *dcb = it->second;
    return Done();
}

BOOL ClearCommError(HANDLE handle, DWORD* errors, COMSTAT* status)
{
    nimbo::SerialDevice* device = Lookup(handle);
    if (errors)
        *errors = 0;
    if (status)
        std::memset(status, 0, sizeof(COMSTAT));
    if (!device)
        return FALSE;
    if (status)
        status->cbInQue = device->Available();
    return Done();
}

BOOL WriteFile(HANDLE handle, const void* data, DWORD count, DWORD* written, OVERLAPPED* overlapped)
{
    if (written)
        *written = 0;
    nimbo::SerialDevice* device = Lookup(handle);
    if (!device)
        return FALSE;
    DWORD sent = device->Write(data, count);
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

BOOL ReadFile(HANDLE handle, void* data, DWORD count, DWORD* read, OVERLAPPED* overlapped)
{
    if (read)
        *read = 0;
    nimbo::SerialDevice* device = Lookup(handle);
    if (!device)
        return FALSE;
    DWORD got = device->Read(data, count);
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
