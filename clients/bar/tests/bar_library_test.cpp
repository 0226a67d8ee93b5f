// The library as hosts find it: by programmatic identifier or host class
// name, through the build's registration store.
#include "clients/bar/zem_bar_ctrl.h"
#include "platform/olectl.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class BarLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("NIMBO_REGISTRY", NIMBO_TEST_REGISTRY, 1); }
    void TearDown() override { unsetenv("NIMBO_REGISTRY"); }
};

}  // namespace

TEST_F(BarLibraryTest, RegisteredUnderItsNames)
{
    auto store = nimbo::RegistrationStore::Open();
    const nimbo::RegisteredClass* byProgId = store.Find("ZEMBAR.ZemBarCtrl.1");
    ASSERT_NE(byProgId, nullptr);
    EXPECT_EQ(byProgId->hostName, "ZEMBARLib.ZemBar");
    EXPECT_EQ(byProgId->typeName, "Zem VBar Control");
    EXPECT_EQ(store.Find("ZEMBARLib.ZemBar"), byProgId);
}

TEST_F(BarLibraryTest, CreatedByProgIdAndByHostName)
{
    for (const char* name : {"ZEMBAR.ZemBarCtrl.1", "ZEMBARLib.ZemBar"}) {
        std::string error;
        std::unique_ptr<COleControl> control(nimbo::CreateControl(name, &error));
        ASSERT_NE(control, nullptr) << name << ": " << error;
        control->ResetProperties();
        int cx = 0, cy = 0;
        control->GetControlSize(&cx, &cy);
        EXPECT_EQ(cx, 84);
        EXPECT_EQ(cy, 192);
        Variant v;
        EXPECT_EQ(control->GetProperty(DISPID_ZEMBAR_MAX, {}, &v), S_OK);
        EXPECT_EQ(v.AsLong(), 100);
        ASSERT_TRUE(control->CreateControlWindow(0, 0, 0));
        control->DestroyWindow();
    }
}
