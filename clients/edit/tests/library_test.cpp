#include "clients/edit/edit_ctrl.h"
#include "platform/olectl.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class EditLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1); }
    void TearDown() override { unsetenv("NIMBO_REGISTRY"); }
};

TEST_F(EditLibraryTest, RegisteredUnderItsNames)
{
    const nimbo::RegistrationStore store = nimbo::RegistrationStore::Open();
    const nimbo::RegisteredClass* c = store.Find("ZEMEDIT.ZEMEDITCtrl.1");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, nimbo::ClassKind::Control);
    EXPECT_EQ(c->hostName, "ZEMEDITLib.ZEMEDIT");
    EXPECT_EQ(c->typeName, "Zem STATIC Control");
    EXPECT_EQ(store.Find("ZEMEDITLib.ZEMEDIT"), store.Find(c->clsid));
}

TEST_F(EditLibraryTest, CreatedByProgIdAndHostName)
{
    for (const char* name : {"ZEMEDIT.ZEMEDITCtrl.1", "ZEMEDITLib.ZEMEDIT"}) {
        std::string error;
        std::unique_ptr<COleControl> control(nimbo::CreateControl(name, &error));
        ASSERT_NE(control, nullptr) << name << ": " << error;
        const DispEntry* uni = control->Dispatch().Find("Uni");
        ASSERT_NE(uni, nullptr);
        EXPECT_EQ(uni->id, DISPID_EDIT_UNI);
        control->ResetProperties();
        ASSERT_TRUE(control->CreateControlWindow(0, 0, 0));
        EXPECT_EQ(control->PutProperty(DISPID_EDIT_ENUM, {}, Variant::Long(8)), S_OK);
        int cx = 0, cy = 0;
        control->GetControlSize(&cx, &cy);
        EXPECT_GT(cx, 100);
        control->DestroyWindow();
    }
}

}  // namespace
