// The link's frames as both scans build and read them: the start byte, the
// request and reply commands, and the widest register number a frame
// carries. Private to the port object's sources.
#pragma once

#include "platform/windef.h"

namespace link_frames {

constexpr BYTE kStartOfFrame = 0xFF;
constexpr BYTE kReadBlock = 59;
constexpr BYTE kWriteRegister = 29;
constexpr BYTE kWriteBlock = 60;
constexpr BYTE kReplyEndOfPass = 0x80;
constexpr BYTE kReplyWriteAlt = 0x9C;
constexpr BYTE kReplyWrite = 0x9D;
constexpr BYTE kReplyBlock = 0xBB;
constexpr int kLastLineRegister = 0xFFFF;  // register numbers travel as two bytes

}  // namespace link_frames
