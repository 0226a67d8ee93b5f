// Linked into a test program whose tests read back what windows
// invalidated (nimbo::TakeInvalidations): switches the record on before
// the first test. Programs keep nothing unless asked.
#include "platform/winuser.h"
#include "platform/test_support.h"

#include <gtest/gtest.h>

namespace {

class RecordInvalidations final : public testing::Environment {
public:
    void SetUp() override { nimbo::RecordInvalidations(true); }
};

testing::Environment* const recording = testing::AddGlobalTestEnvironment(new RecordInvalidations);

}  // namespace
