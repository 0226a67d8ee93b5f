// Turns the correct reply frame of a station into the bytes its faults
// make it send. The delay is not applied here: the line thread owns time.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/plcsim/faults.h"

namespace plcsim {

// Answers to read-blocks (data or end-of-pass) normally go out behind a
// 0x00 byte; write echoes do not, as the master reads exactly their length.
enum class ReplyKind { Block, WriteEcho };

std::vector<std::uint8_t> ShapeReply(const Faults& faults, std::vector<std::uint8_t> frame,
                                     ReplyKind kind);

}  // namespace plcsim
