// Every client library as hosts find it: registered under its names in the
// build's store, created by programmatic identifier or host class name,
// at its own size, with its members answering under their identifiers.
#include "clients/bar/zem_bar_dispids.h"
#include "clients/button/zem_button_dispids.h"
#include "clients/common/client_dispids.h"
#include "clients/edit/edit_dispids.h"
#include "clients/led/led_dispids.h"
#include "clients/led8/zem_led8_dispids.h"
#include "clients/text/zem_text_dispids.h"
#include "platform/olectl.h"
#include "platform/proppage.h"
#include "platform/propsheet.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace {

// A member looked up by name: its identifier, then (when put is given) the
// value put, and the value it reads back.
struct MemberCheck {
    const char* name;
    DISPID id;
    std::optional<Variant> put;
    Variant reads;
};

struct LibraryRow {
    const char* progId;
    const char* hostName;
    const char* typeName;
    int cx, cy;  // the design size, before anything is put
    std::vector<MemberCheck> members;
    const char* firstPage;  // empty: not looked at
    int widthAfterPuts;     // at least this wide once the members are put; 0: not looked at
    // The pages the control lists, and its own page as the store has it.
    std::vector<std::string> pages;
    const char* pageTypeName;
    const char* pageCaption;
};
void PrintTo(const LibraryRow& row, std::ostream* os) { *os << row.progId; }

class ClientLibrary : public ::testing::TestWithParam<LibraryRow> {
protected:
    void SetUp() override { setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1); }
    void TearDown() override { unsetenv("NIMBO_REGISTRY"); }
};

TEST_P(ClientLibrary, IsRegisteredUnderItsNames)
{
    const LibraryRow& row = GetParam();
    const nimbo::RegistrationStore store = nimbo::RegistrationStore::Open();
    const nimbo::RegisteredClass* c = store.Find(row.progId);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, nimbo::ClassKind::Control);
    EXPECT_EQ(c->hostName, row.hostName);
    EXPECT_EQ(c->typeName, row.typeName);
    EXPECT_EQ(store.Find(row.hostName), c);
    EXPECT_EQ(store.Find(c->clsid), c);
}

TEST_P(ClientLibrary, IsCreatedByEitherNameAndWorks)
{
    const LibraryRow& row = GetParam();
    for (const char* name : {row.progId, row.hostName}) {
        std::string error;
        std::unique_ptr<COleControl> control(nimbo::CreateControl(name, &error));
        ASSERT_NE(control, nullptr) << name << ": " << error;
        EXPECT_EQ(control->ProgId(), row.progId);
        control->ResetProperties();
        int cx = 0, cy = 0;
        control->GetControlSize(&cx, &cy);
        EXPECT_EQ(cx, row.cx) << name;
        EXPECT_EQ(cy, row.cy) << name;
        ASSERT_TRUE(control->CreateControlWindow(0, 0, 0));
        for (const MemberCheck& m : row.members) {
            const DispEntry* entry = control->Dispatch().Find(m.name);
            ASSERT_NE(entry, nullptr) << m.name;
            EXPECT_EQ(entry->id, m.id) << m.name;
            if (m.put) {
                EXPECT_EQ(control->PutProperty(m.id, {}, *m.put), S_OK) << m.name;
            }
            Variant v;
            EXPECT_EQ(control->GetProperty(m.id, {}, &v), S_OK) << m.name;
            EXPECT_EQ(v.AsString(), m.reads.AsString()) << m.name;
        }
        if (*row.firstPage) {
            EXPECT_EQ(control->PropertyPages().front(), row.firstPage);
        }
        if (row.widthAfterPuts) {
            control->GetControlSize(&cx, &cy);
            EXPECT_GE(cx, row.widthAfterPuts) << "the digits need the room";
        }
        control->DestroyWindow();
    }
}

TEST_P(ClientLibrary, ListsItsPagesAndItsPageIsRegistered)
{
    const LibraryRow& row = GetParam();
    std::string error;
    std::unique_ptr<COleControl> control(nimbo::CreateControl(row.progId, &error));
    ASSERT_NE(control, nullptr) << error;
    EXPECT_EQ(control->PropertyPages(), row.pages);
    const nimbo::RegistrationStore store = nimbo::RegistrationStore::Open();
    const nimbo::RegisteredClass* c = store.Find(row.pages.front());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, nimbo::ClassKind::PropertyPage);
    EXPECT_EQ(c->typeName, row.pageTypeName);
    std::unique_ptr<COlePropertyPage> page = nimbo::CreatePropertyPage(row.pages.front(), &error);
    ASSERT_NE(page, nullptr) << error;
    EXPECT_EQ(page->Caption(), row.pageCaption);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ClientLibrary,
    ::testing::Values(
        LibraryRow{"LED.LedCtrl.1", "LEDLib.Led", "Zem LED 1", 168, 24,
                   {{"Led", DISPID_LED_LED, Variant::Long(31), Variant::Long(31)}}, "", 0,
                   {"LED.LedPropPage.1"}, "Propriet\u00e0", "Generale"},
        LibraryRow{"ZEMLED8.ZemLed8Ctrl.1", "ZEMLED8Lib.ZemLed8", "Zem Led 8 ", 224, 48,
                   {{"Led", DISPID_LED8_LED, Variant::Long(12), Variant::Long(12)}}, "ZEMLED8.ZemLed8PropPage.1", 0,
                   {"ZEMLED8.ZemLed8PropPage.1", nimbo::kStockColorPageClsid}, "ZemLed8 Property Page", "Generale"},
        LibraryRow{"ZEMTEXT.ZemTextCtrl.1", "ZEMTEXTLib.ZemText", "Zem Simple Text", 168, 24,
                   {{"Align", DISPID_TEXT_ALIGN, Variant::Long(2), Variant::Long(2)},
                    {"CaptionOff", DISPID_TEXT_CAPTIONOFF, Variant::String("In marcia"), Variant::String("In marcia")}},
                   "ZEMTEXT.ZemTextPropPage.1", 0,
                   {"ZEMTEXT.ZemTextPropPage.1", nimbo::kStockColorPageClsid}, "ZemText Property Page", "General"},
        LibraryRow{"ZEMBUTTON.ZemButtonCtrl.1", "ZEMBUTTONLib.ZemButton", "Zem Simple Button ", 168, 24,
                   {{"Button", DISPID_ZEMBUTTON_BUTTON, Variant::Long(5), Variant::Long(5)}}, "", 0,
                   {"ZEMBUTTON.ZemButtonPropPage.1", nimbo::kStockColorPageClsid}, "ZemButton Property Page", "General"},
        LibraryRow{"ZEMBAR.ZemBarCtrl.1", "ZEMBARLib.ZemBar", "Zem VBar Control", 84, 192,
                   {{"Max", DISPID_ZEMBAR_MAX, std::nullopt, Variant::Long(100)}}, "", 0,
                   {"ZEMBAR.ZemBarPropPage.1", nimbo::kStockColorPageClsid}, "ZemBar Property Page", "General"},
        LibraryRow{"ZEMEDIT.ZEMEDITCtrl.1", "ZEMEDITLib.ZEMEDIT", "Zem STATIC Control", 40, 64,
                   {{"Uni", DISPID_EDIT_UNI, std::nullopt, Variant::String("")},
                    {"Enum", DISPID_EDIT_ENUM, Variant::Long(8), Variant::Long(8)}},
                   "", 101, {"ZEMEDIT.ZEMEDITPropPage.1"}, "Zem STATIC  Property Page", "General"}),
    [](const auto& info) {
        std::string name = info.param.hostName;
        return name.substr(0, name.find('.'));
    });

}  // namespace
