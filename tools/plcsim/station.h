// One simulated PLC: its station number, its register file and its faults.
// Registers are shared between the line thread and the movers of the main
// thread, hence every access takes the station's lock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "tools/plcsim/faults.h"

namespace plcsim {

class Station {
public:
    static constexpr int kRegisterCount = 65536;

    explicit Station(std::uint8_t number, Faults faults = {});

    std::uint8_t Number() const { return number_; }

    Faults GetFaults() const;
    void SetFaults(const Faults& faults);

    std::int32_t Get(std::uint16_t reg) const;
    void Set(std::uint16_t reg, std::int32_t value);
    // Read-modify-write in one step, so a master write cannot slip between.
    void Update(std::uint16_t reg, const std::function<std::int32_t(std::int32_t)>& change);

    // Registers past the last one read as 0 and are not written.
    void ReadBlock(int first, std::int32_t* out, int count) const;
    void WriteBlock(int first, const std::int32_t* values, int count);

    // Counts answered read-blocks of the current pass; true when the pass is
    // over and this request must get the end-of-pass frame instead of data.
    bool NextBlockEndsPass();

private:
    const std::uint8_t number_;
    mutable std::mutex mutex_;
    Faults faults_;
    int blocks_in_pass_ = 0;
    std::unique_ptr<std::int32_t[]> registers_;
};

}  // namespace plcsim
