// The library as hosts find it: by programmatic identifier or class name.
#include "clients/led8/tests/led8_fixture.h"

#include "platform/olectl.h"
#include "platform/registry.h"

#include <cstdlib>

namespace {

class Led8Registration : public ::testing::Test {
protected:
    void SetUp() override { setenv("NIMBO_REGISTRY", NIMBO_TEST_REGISTRY, 1); }
    void TearDown() override { unsetenv("NIMBO_REGISTRY"); }
};

}  // namespace

TEST_F(Led8Registration, StoreListsTheControlUnderItsNames)
{
    nimbo::RegistrationStore store = nimbo::RegistrationStore::Open();
    const nimbo::RegisteredClass* c = store.Find("ZEMLED8.ZemLed8Ctrl.1");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->hostName, "ZEMLED8Lib.ZemLed8");
    EXPECT_EQ(c->typeName, "Zem Led 8 ");
    EXPECT_EQ(c->kind, nimbo::ClassKind::Control);
    EXPECT_EQ(store.Find("ZEMLED8Lib.ZemLed8"), c);
}

TEST_F(Led8Registration, CreatedByEitherNameIsAWorkingEightLed)
{
    for (const char* name : {"ZEMLED8.ZemLed8Ctrl.1", "ZEMLED8Lib.ZemLed8"}) {
        std::string error;
        std::unique_ptr<COleControl> c(nimbo::CreateControl(name, &error));
        ASSERT_NE(c, nullptr) << name << ": " << error;
        c->ResetProperties();
        int cx = 0, cy = 0;
        c->GetControlSize(&cx, &cy);
        EXPECT_EQ(cx, 224);
        EXPECT_EQ(cy, 48);
        EXPECT_EQ(c->PutProperty(DISPID_LED8_LED, {}, Variant::Long(12)), S_OK);
        Variant v;
        c->GetProperty(DISPID_LED8_LED, {}, &v);
        EXPECT_EQ(v.AsLong(), 12);
        EXPECT_EQ(c->PropertyPages().front(), "ZEMLED8.ZemLed8PropPage.1");
    }
}
