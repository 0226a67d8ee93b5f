// What every client control shows a host through automation, control by
// control: its members under their identifiers (and the names it does not
// have), its ready-state event, its window as its read-only identity, and
// whether the container may resize it.
#include "clients/common/client_dispids.h"
#include "link/client_info.h"
#include "platform/olectl.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {

struct AutomationRow {
    const char* progId;
    const char* typeName;  // of the identity record its window carries
    std::vector<std::pair<const char*, DISPID>> members;
    std::vector<const char*> absent;
    int readyStateParameters;  // of its ReadyStateChange event; -1: it has none
    SIZE size;                 // its own
    SIZE asked;                // what a container asks
    bool takesAskedSize;
};
void PrintTo(const AutomationRow& row, std::ostream* os) { *os << row.progId; }

// The client members every control has, then the stock ones.
std::vector<std::pair<const char*, DISPID>> With(std::vector<std::pair<const char*, DISPID>> own, bool caption,
                                                 bool backColor)
{
    std::vector<std::pair<const char*, DISPID>> all = {{"Plc", 1}, {"Reg", 2}, {"Bit", 3}, {"Client", 4}};
    all.insert(all.end(), own.begin(), own.end());
    if (caption)
        all.push_back({"Caption", DISPID_CAPTION});
    if (backColor)
        all.push_back({"BackColor", DISPID_BACKCOLOR});
    all.push_back({"ForeColor", DISPID_FORECOLOR});
    all.push_back({"Enabled", DISPID_ENABLED});
    all.push_back({"ReadyState", DISPID_READYSTATE});
    return all;
}

class ClientAutomation : public ::testing::TestWithParam<AutomationRow> {
protected:
    void SetUp() override
    {
        setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1);
        std::string error;
        control.reset(nimbo::CreateControl(GetParam().progId, &error));
        ASSERT_NE(control, nullptr) << error;
        control->ResetProperties();
        ASSERT_TRUE(control->CreateControlWindow(0, 0, 0));
    }
    void TearDown() override
    {
        if (control)
            control->DestroyWindow();
        unsetenv("NIMBO_REGISTRY");
    }
    std::unique_ptr<COleControl> control;
};

TEST_P(ClientAutomation, MembersKeepTheirIdentifiers)
{
    const DispatchTable& table = control->Dispatch();
    for (const auto& [name, id] : GetParam().members) {
        const DispEntry* e = table.Find(name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->id, id) << name;
        EXPECT_EQ(table.Find(id), e) << name;
    }
    for (const char* name : GetParam().absent)
        EXPECT_EQ(table.Find(name), nullptr) << name;
    const EventEntry* ready = table.FindEvent(DISPID_READYSTATECHANGE);
    if (GetParam().readyStateParameters < 0) {
        EXPECT_EQ(ready, nullptr);
    } else {
        ASSERT_NE(ready, nullptr);
        EXPECT_EQ(ready->name, "ReadyStateChange");
        EXPECT_EQ(static_cast<int>(ready->paramNames.size()), GetParam().readyStateParameters);
    }
}

TEST_P(ClientAutomation, ClientIsTheWindowReadOnlyWithItsIdentity)
{
    Variant client;
    ASSERT_EQ(control->GetProperty(DISPID_CLIENT_CLIENT, {}, &client), S_OK);
    EXPECT_EQ(client.AsLong(), static_cast<std::int32_t>(control->m_hWnd));
    EXPECT_EQ(control->PutProperty(DISPID_CLIENT_CLIENT, {}, Variant::Long(1)), CTL_E_SETNOTSUPPORTED);
    const auto* info = reinterpret_cast<const CClientInfo*>(GetWindowLongA(control->m_hWnd, GWL_USERDATA));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->signature, CLIENT_SIGNATURE);
    EXPECT_STREQ(static_cast<const char*>(info->typeName), GetParam().typeName);
}

TEST_P(ClientAutomation, TheContainerResizesItOnlyWhereItAgrees)
{
    const AutomationRow& row = GetParam();
    EXPECT_EQ(control->RequestExtent(row.asked.cx, row.asked.cy) != FALSE, row.takesAskedSize);
    int cx = 0, cy = 0;
    control->GetControlSize(&cx, &cy);
    const SIZE now = row.takesAskedSize ? row.asked : row.size;
    EXPECT_EQ(cx, now.cx);
    EXPECT_EQ(cy, now.cy);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ClientAutomation,
    ::testing::Values(
        AutomationRow{"LED.LedCtrl.1", "Zem LED 1", With({{"Align", 5}, {"Led", 6}, {"Value", 7}}, true, true), {}, -1,
                      {168, 24}, {300, 50}, false},
        AutomationRow{"ZEMLED8.ZemLed8Ctrl.1", "Zem Led 8 ",
                      With({{"Align", 5}, {"Led", 6}, {"Value", 7}}, true, true), {}, 0, {224, 48}, {300, 100}, false},
        AutomationRow{"ZEMTEXT.ZemTextCtrl.1", "Zem Simple Text",
                      With({{"CaptionOn", 5}, {"CaptionOff", 6}, {"Align", 7}}, false, false),
                      {"Caption", "BackColor", "Value", "Led"}, 0, {168, 24}, {200, 30}, false},
        AutomationRow{"ZEMBUTTON.ZemButtonCtrl.1", "Zem Simple Button ",
                      With({{"Align", 5}, {"Button", 6}, {"Value", 7}}, true, true), {}, 1, {168, 24}, {200, 50}, false},
        AutomationRow{"ZEMBAR.ZemBarCtrl.1", "Zem VBar Control",
                      With({{"Align", 5}, {"Min", 6}, {"Max", 7}, {"Value", 8}}, true, true), {}, 1, {84, 192},
                      {100, 100}, false},
        AutomationRow{"ZEMEDIT.ZEMEDITCtrl.1", "Zem STATIC Control",
                      With({{"Align", 5}, {"Uni", 6}, {"Enum", 7}, {"Size", 8}, {"Value", 9}}, true, true), {}, 0,
                      {40, 64}, {200, 80}, true}),
    [](const auto& info) {
        std::string name = info.param.progId;
        return name.substr(0, name.find('.'));
    });

}  // namespace
