// The library as hosts find it: by programmatic identifier or class name.
#include "clients/text/tests/text_fixture.h"

#include "platform/olectl.h"
#include "platform/registry.h"

#include <cstdlib>

namespace {

class TextRegistration : public ::testing::Test {
protected:
    void SetUp() override { setenv("NIMBO_REGISTRY", NIMBO_TEST_REGISTRY, 1); }
    void TearDown() override { unsetenv("NIMBO_REGISTRY"); }
};

}  // namespace

TEST_F(TextRegistration, StoreListsTheControlUnderItsNames)
{
    nimbo::RegistrationStore store = nimbo::RegistrationStore::Open();
    const nimbo::RegisteredClass* c = store.Find("ZEMTEXT.ZemTextCtrl.1");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->hostName, "ZEMTEXTLib.ZemText");
    EXPECT_EQ(c->typeName, "Zem Simple Text");
    EXPECT_EQ(store.Find("ZEMTEXTLib.ZemText"), c);
}

TEST_F(TextRegistration, CreatedByEitherNameIsAWorkingTextControl)
{
    for (const char* name : {"ZEMTEXT.ZemTextCtrl.1", "ZEMTEXTLib.ZemText"}) {
        std::string error;
        std::unique_ptr<COleControl> c(nimbo::CreateControl(name, &error));
        ASSERT_NE(c, nullptr) << name << ": " << error;
        c->ResetProperties();
        int cx = 0, cy = 0;
        c->GetControlSize(&cx, &cy);
        EXPECT_EQ(cx, 168);
        EXPECT_EQ(cy, 24);
        EXPECT_EQ(c->PutProperty(DISPID_TEXT_ALIGN, {}, Variant::Long(2)), S_OK);
        EXPECT_EQ(c->PutProperty(DISPID_TEXT_CAPTIONOFF, {}, Variant::String("In marcia")), S_OK);
        Variant v;
        c->GetProperty(DISPID_TEXT_ALIGN, {}, &v);
        EXPECT_EQ(v.AsLong(), 2);
        c->GetProperty(DISPID_TEXT_CAPTIONOFF, {}, &v);
        EXPECT_EQ(v.AsString(), "In marcia");
        EXPECT_EQ(c->PropertyPages().front(), "ZEMTEXT.ZemTextPropPage.1");
    }
}
