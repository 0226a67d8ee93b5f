#include "tools/plcsim/station.h"

namespace plcsim {

Station::Station(std::uint8_t number, Faults faults)
    : number_(number), faults_(faults), registers_(new std::int32_t[kRegisterCount]())
{
}

Faults Station::GetFaults() const
{
    std::lock_guard lock(mutex_);
    return faults_;
}

void Station::SetFaults(const Faults& faults)
{
    std::lock_guard lock(mutex_);
    faults_ = faults;
    blocks_in_pass_ = 0;
}

std::int32_t Station::Get(std::uint16_t reg) const
{
    std::lock_guard lock(mutex_);
    return registers_[reg];
}

void Station::Set(std::uint16_t reg, std::int32_t value)
{
    std::lock_guard lock(mutex_);
    registers_[reg] = value;
}

void Station::Update(std::uint16_t reg, const std::function<std::int32_t(std::int32_t)>& change)
{
    std::lock_guard lock(mutex_);
    registers_[reg] = change(registers_[reg]);
}

void Station::ReadBlock(int first, std::int32_t* out, int count) const
{
    std::lock_guard lock(mutex_);
    for (int i = 0; i < count; ++i) {
        const int reg = first + i;
        out[i] = reg >= 0 && reg < kRegisterCount ? registers_[reg] : 0;
    }
}

void Station::WriteBlock(int first, const std::int32_t* values, int count)
{
    std::lock_guard lock(mutex_);
    for (int i = 0; i < count; ++i) {
        const int reg = first + i;
        if (reg >= 0 && reg < kRegisterCount)
            registers_[reg] = values[i];
    }
}

bool Station::NextBlockEndsPass()
{
    std::lock_guard lock(mutex_);
    if (faults_.end_of_pass_after <= 0)
        return false;
    if (blocks_in_pass_ >= faults_.end_of_pass_after) {
        blocks_in_pass_ = 0;
        return true;
    }
    ++blocks_in_pass_;
    return false;
}

}  // namespace plcsim
