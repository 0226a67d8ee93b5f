// The library as hosts find it: by programmatic identifier or host class
// name, through the build's registration store.
#include "clients/button/zem_button_ctrl.h"
#include "platform/olectl.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class ButtonLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("NIMBO_REGISTRY", NIMBO_TEST_REGISTRY, 1); }
    void TearDown() override { unsetenv("NIMBO_REGISTRY"); }
};

}  // namespace

TEST_F(ButtonLibraryTest, RegisteredUnderItsNames)
{
    auto store = nimbo::RegistrationStore::Open();
    const nimbo::RegisteredClass* byProgId = store.Find("ZEMBUTTON.ZemButtonCtrl.1");
    ASSERT_NE(byProgId, nullptr);
    EXPECT_EQ(byProgId->hostName, "ZEMBUTTONLib.ZemButton");
    EXPECT_EQ(byProgId->typeName, "Zem Simple Button ");
    EXPECT_EQ(store.Find("ZEMBUTTONLib.ZemButton"), byProgId);
}

TEST_F(ButtonLibraryTest, CreatedByProgIdAndByHostName)
{
    for (const char* name : {"ZEMBUTTON.ZemButtonCtrl.1", "ZEMBUTTONLib.ZemButton"}) {
        std::string error;
        std::unique_ptr<COleControl> control(nimbo::CreateControl(name, &error));
        ASSERT_NE(control, nullptr) << name << ": " << error;
        control->ResetProperties();
        int cx = 0, cy = 0;
        control->GetControlSize(&cx, &cy);
        EXPECT_EQ(cx, 168);
        EXPECT_EQ(cy, 24);
        EXPECT_EQ(control->PutProperty(DISPID_ZEMBUTTON_BUTTON, {}, Variant::Long(5)), S_OK);
        Variant v;
        EXPECT_EQ(control->GetProperty(DISPID_ZEMBUTTON_BUTTON, {}, &v), S_OK);
        EXPECT_EQ(v.AsLong(), 5);
        ASSERT_TRUE(control->CreateControlWindow(0, 0, 0));
        control->DestroyWindow();
    }
}
