// The byte layout shared by every frame on the PLC line, in both directions:
// 0xFF, station, whole length, command, data..., checksum (sum mod 256).
// Registers travel as 2 bytes and values as 4 bytes, most significant first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace plcsim {

inline constexpr std::uint8_t kStartByte = 0xFF;

// Commands the master sends.
inline constexpr std::uint8_t kReadBlock = 0x3B;
inline constexpr std::uint8_t kWriteRegister = 0x1D;
inline constexpr std::uint8_t kWriteBlock = 0x3C;
// Commands the station answers with.
inline constexpr std::uint8_t kBlockReply = 0xBB;
inline constexpr std::uint8_t kWriteEcho = 0x9D;
inline constexpr std::uint8_t kEndOfPass = 0x80;

inline constexpr int kBlockRegisters = 16;
inline constexpr std::size_t kReadBlockLength = 7;
inline constexpr std::size_t kWriteRegisterLength = 11;
inline constexpr std::size_t kWriteBlockLength = 4 + 2 + 4 * kBlockRegisters + 1;
inline constexpr std::size_t kBlockReplyLength = kWriteBlockLength;
// Start, station, length, command and checksum: nothing shorter is a frame.
inline constexpr std::size_t kMinFrameLength = 5;
// The longest request the master ever sends; longer lengths mean we locked
// onto a 0xFF that was not a start byte.
inline constexpr std::size_t kMaxRequestLength = kWriteBlockLength;

std::uint8_t Checksum(const std::uint8_t* bytes, std::size_t n);

// A complete frame with its length byte and checksum filled in.
std::vector<std::uint8_t> BuildFrame(std::uint8_t station, std::uint8_t command,
                                     std::span<const std::uint8_t> data = {});

void PutRegister(std::vector<std::uint8_t>& out, std::uint16_t reg);
void PutValue(std::vector<std::uint8_t>& out, std::int32_t value);
std::uint16_t GetRegister(const std::uint8_t* bytes);
std::int32_t GetValue(const std::uint8_t* bytes);

}  // namespace plcsim
