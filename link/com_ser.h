// The server's port object: the register image, the per-PLC tables that
// steer and report the scan, the serial port and the PLC link protocol.
//
// Client libraries receive a plain pointer to this object and call its
// virtual operations, so the order of the virtual operations and their
// argument lists are a binary interface between separately built libraries.
// Add nothing in between; new members go at the end.
#pragma once

#include "platform/afx.h"
#include "platform/serial.h"
#include "platform/windef.h"

#include <cstdint>
#include <deque>

#ifndef NIMBO_LINK_API
#define NIMBO_LINK_API __attribute__((visibility("default")))
#endif

// Why the last register access, block or reply was dropped instead of applied.
enum LinkDrop : std::int32_t {
    LINK_DROP_NONE = 0,
    LINK_DROP_REGISTER_OUTSIDE_IMAGE = 1,  // a single register past the image
    LINK_DROP_BLOCK_OUTSIDE_IMAGE = 2,     // a 16-register block that does not fit
    LINK_DROP_FRAME_PAST_BUFFER = 3,       // a reply whose length byte runs past the receive buffer
    LINK_DROP_NO_PLC_ENABLED = 4,          // the scan found no PLC to poll and stays idle
    LINK_DROP_REGISTER_NOT_ON_LINE = 5,    // a write for a register number wider than the line's 16 bits
    LINK_DROP_BLOCK_OUTSIDE_RANGE = 6,     // a block reply for a register outside the current PLC's range
    LINK_DROP_FRAME_INCOMPLETE = 7,        // a reply frame found before all its bytes arrived
    LINK_DROP_REPLY_NOT_AWAITED = 8,       // reply-driven scan: a whole reply, but not to the request on the line
};

// What ReceiveStep (and PollNext) answer; an int on the binary interface.
enum ReceiveResult : int {
    RECEIVE_GOING_ON = 0,       // the pass goes on (a block applied and the next asked, or bytes went away)
    RECEIVE_PASS_CLOSED = 1,    // the PLC's whole range was read: a completed pass
    RECEIVE_NO_COMPLETE_REPLY = 2,  // the awaited reply is not complete (yet), or the stall limit was hit
};

// What FastStep answers: how the awaited exchange of the reply-driven scan
// stands. The caller sends the next request (FastSendNext) after anything
// but FAST_WAITING.
enum FastResult : int {
    FAST_BLOCK_APPLIED = 0,   // the block was taken in, or only spoilt replies came by the deadline: the pass goes on
    FAST_PASS_CLOSED = 1,     // the PLC's whole range was read: a completed pass, move on to the next PLC
    FAST_NOT_ANSWERED = 2,    // no whole reply within the deadline: the PLC did not answer
    FAST_WAITING = 3,         // the reply is not complete and its deadline has not passed
    FAST_WRITE_DONE = 4,      // a queued write was answered or given up on
    FAST_IDLE = 5,            // nothing awaited
};

// A PLC's entry in plcStatus, as the scan leaves it and the report shows it.
enum PlcState : std::int32_t {
    PLC_DEAD = 0,    // did not answer: "Dead"
    PLC_OK = 1,      // its last pass completed: "Ok"
    PLC_IN_USE = 2,  // its pass is under way: "in use"
};

class NIMBO_LINK_API CComSer : public CObject {
    DECLARE_DYNCREATE(CComSer)

public:
    static constexpr int kRegisterCount = 256000;
    static constexpr int kPlcCount = 32;
    static constexpr int kBufferSize = 256;
    static constexpr int kBlockSize = 16;

    CComSer();
    ~CComSer() override;

    virtual int Open(int inQueue, int outQueue, int handshake);
    virtual void Close();
    virtual int ProbePort(int portNumber);
    virtual int ReceiveStep();
    virtual void SendCommandByte(BYTE command, BYTE data);
    virtual void SendCommand(BYTE command);
    virtual void SendCommandWait(BYTE command);
    virtual void SendFrame(int payloadLength);
    virtual std::int32_t* GetRegisters();
    virtual std::int32_t GetRegister(int plc, int reg);
    virtual void SelectPlc(SHORT plc);
    virtual void SendWriteRegister(int reg, std::int32_t value);
    virtual void SendWriteBlock(int reg, const std::int32_t* values);
    virtual void SetRegister(int plc, int reg, std::int32_t value);
    virtual void SetRegisterBlock(int plc, int reg, const std::int32_t* values);
    virtual int PollNext();
    virtual void SendText(const char* text);
    // The text, once it has left the port, then Close (not virtual: the
    // table of virtual members above is what client libraries call).
    void SendTextAndClose(const char* text);
    virtual char* ReadText();
    virtual int NextPlc();
    virtual void SwapLong(void* destination, const void* source);
    virtual void SwapLongs(void* destination, const void* source, int count);
    virtual void WriteFrame();
    virtual int ReadAppend();
    virtual BYTE Checksum(int length, const BYTE* bytes);
    virtual BYTE ReceiveChecksum(int length);
    virtual void CheckReply();
    virtual void DispatchReply();
    virtual void SetExpectedLength();
    virtual void SetRange(int a, int b);
    virtual int FindEnabledPlc(int index);

    std::int32_t currentPlc;
    std::int32_t portNumber;
    std::int32_t baudRate;
    std::int32_t timerInterval;
    std::int32_t plcEnabled[kPlcCount];
    std::int32_t plcStart[kPlcCount];
    std::int32_t plcStop[kPlcCount];
    std::int32_t plcStatus[kPlcCount];
    std::uint32_t plcScanTime[kPlcCount];
    std::int32_t plcLastSeen[kPlcCount];
    HANDLE portHandle;
    std::int32_t expectedLength;
    std::int32_t waiting;
    std::int32_t lastCount;
    std::int32_t stallCount;
    std::int32_t rxCount;
    std::int32_t nextRegister;
    std::int32_t rangeFirst;
    std::int32_t rangeLast;
    std::uint32_t passStart;
    DCB dcb;
    std::int32_t registers[kRegisterCount];
    BYTE rxBuffer[kBufferSize];
    BYTE txBuffer[kBufferSize];

    // Added after the original members: why something was last dropped.
    std::int32_t lastDrop;

    // ---- Added for the reply-driven scan, after everything above: the
    // server sends each request as soon as the previous reply is in, so no
    // request is followed by a pause, and writes wait for the gap between
    // two exchanges instead of cutting into one.

    // A write asked for while an exchange was under way, sent after it.
    struct QueuedWrite {
        std::int32_t plc;
        std::int32_t reg;
        std::int32_t count;  // 1 or kBlockSize
        std::int32_t values[kBlockSize];
    };
    enum FastExchange : std::int32_t { FAST_NONE = 0, FAST_READ = 1, FAST_WRITE = 2 };

    // Wire time of a reply of this many bytes at the line's speed (10 bits a
    // byte), rounded up, plus replyTimeout for the station to turn around.
    DWORD ReplyDeadline(int replyBytes) const;
    // Takes in what the line delivered and decides the awaited exchange;
    // never waits. Answers a FastResult.
    int FastStep();
    // Sends what goes next: a queued write first, else the next block (of
    // the next enabled PLC when advance is set, or after a write that came
    // between two PLCs). Answers FALSE when no PLC is enabled and nothing went out.
    BOOL FastSendNext(BOOL advance);
    // Takes the request the timer scan last sent as the awaited exchange.
    void AdoptOutstanding();
    // Sends the queued writes as the timer scan does, forgets the awaited
    // exchange and sends the next block the timer scan's way (of the next
    // PLC when advance is set): the scan goes back to its ticks.
    void LeaveFastScan(BOOL advance);
    // True when a whole frame for the current station, or the awaited
    // number of bytes, is in the receive buffer.
    bool FastReplyComplete() const;
    // Whether a whole, checked reply answers the request on the line.
    bool AwaitedReply(int command, int reg) const;
    // The pass bookkeeping and the block request of PollNext, apart.
    bool PassDone() const;
    int ClosePass();
    void AskBlock();
    int SelectNextPlc();
    void SendWriteNow(int plc, int reg, int count, const std::int32_t* values);
    void SendWriteFrame(int plc, int reg, int count, const std::int32_t* values);

    std::int32_t replyTimeout;   // ms beyond a reply's wire time before it counts as not answered
    std::int32_t replyDriven;    // 1 while the server scans on replies
    std::int32_t fastExchange;   // FastExchange: what is awaited
    std::uint32_t requestTick;   // when the last request went out
    std::int32_t advancePending; // a queued write went out where the scan moves to the next PLC
    std::int32_t writePlc;       // the station of the awaited write
    std::deque<QueuedWrite> queuedWrites;
    std::int32_t replyTaken;     // the last reply checked was applied
    std::int32_t spoiltReply;    // a reply came for the awaited exchange and was refused
};
