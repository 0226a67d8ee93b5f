// What every client control does with the server's messages, its binding
// properties, its identity record and its persistence.
#include "clients/common/client_artwork.h"
#include "platform/test_support.h"
#include "clients/common/client_ctrl.h"

#include <gtest/gtest.h>

HINSTANCE ClientModule()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("client-common-test");
        nimbo::AddStringResource(m, IDS_CLIENT_TYPENAME, "Test client");
        nimbo::AddBitmapResource(m, IDB_CLIENT_DISABLED, DisabledSign);
        nimbo::AddBitmapResource(m, IDB_CLIENT_OFFLINE, OfflineSign);
        return m;
    }();
    return module;
}

namespace {

constexpr COLORREF kOnline = RGB(0, 0, 255);

class TestClient : public CClientCtrl {
public:
    TestClient()
    {
        EnableStockProperties(STOCK_ENABLED);
        InitClient(IDS_CLIENT_TYPENAME);
        disabledBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_DISABLED);
        offlineBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_OFFLINE);
    }
    void SetGeometry() override
    {
        controlRect = RECT{0, 0, 100, 30};
        valueRect = RECT{70, 0, 100, 30};
    }
    void DrawOnline(CDC* dc) override { dc->FillSolidRect(&controlRect, kOnline); }
    void DoPropExchange(CPropExchange* px) override
    {
        DWORD version = MAKELONG(0, 1);
        px->ExchangeVersion(&version, MAKELONG(0, 1));
        ExchangeCommon(px);
    }
};

class ClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        client.ResetProperties();
        ASSERT_TRUE(client.CreateControlWindow(0, 20, 30));
        client.PutProperty(DISPID_CLIENT_PLC, {}, Variant::Long(3));
        client.PutProperty(DISPID_CLIENT_REG, {}, Variant::Long(300));
        Flush();
    }
    LRESULT Data(int plc, CComSer* from)
    {
        return SendMessageA(client.m_hWnd, WM_PLC_DATA, static_cast<WPARAM>(plc), reinterpret_cast<LPARAM>(from));
    }
    std::vector<RECT> Flush() { return nimbo::TakeInvalidations(client.m_hWnd); }
    nimbo::Pixels Draw()
    {
        auto dc = nimbo::CreateImageDC(100, 30, RGB(255, 255, 255));
        RECT r{0, 0, 100, 30};
        client.OnDraw(dc.get(), r, r);
        return nimbo::DCPixels(dc.get());
    }

    TestClient client;
    CComSer port;
};

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_F(ClientTest, IdentityRecordIsPublishedAtCreation)
{
    auto* record = reinterpret_cast<CClientInfo*>(GetWindowLongA(client.m_hWnd, GWL_USERDATA));
    ASSERT_EQ(record, &client.info);
    EXPECT_EQ(record->signature, CLIENT_SIGNATURE);
    EXPECT_STREQ(record->typeName, "Test client");
    RECT screen{};
    GetWindowRect(client.m_hWnd, &screen);
    EXPECT_TRUE(Same(record->windowRect, screen));
    EXPECT_EQ(record->windowRect.right - record->windowRect.left, 100) << "the design size";
    EXPECT_EQ(client.port, nullptr);
}

TEST_F(ClientTest, DataForAnotherPlcChangesNothing)
{
    port.registers[300] = 9;
    client.SetModifiedFlag(FALSE);
    EXPECT_EQ(Data(4, &port), 0);
    EXPECT_EQ(client.value, 0);
    EXPECT_EQ(client.port, nullptr);
    EXPECT_TRUE(Flush().empty());
    EXPECT_FALSE(client.IsModified());

    TestClient fresh;  // Plc 0 matches nothing the server sends
    fresh.ResetProperties();
    fresh.CreateControlWindow(0, 0, 0);
    EXPECT_EQ(SendMessageA(fresh.m_hWnd, WM_PLC_DATA, 1, reinterpret_cast<LPARAM>(&port)), 0);
}

TEST_F(ClientTest, ChangedValueRepaintsOnlyTheValueArea)
{
    port.registers[300] = 9;
    client.writePending = 1;
    EXPECT_EQ(Data(3, &port), 1);
    EXPECT_EQ(client.value, 9);
    EXPECT_EQ(client.port, &port);
    EXPECT_EQ(client.writePending, 0);
    auto rects = Flush();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(Same(rects[0], client.valueRect));

    client.SetModifiedFlag(FALSE);
    client.writePending = 1;
    EXPECT_EQ(Data(3, &port), 1);
    EXPECT_TRUE(Flush().empty()) << "an unchanged value repaints nothing";
    EXPECT_EQ(client.writePending, 0);
    EXPECT_FALSE(client.IsModified());
}

TEST_F(ClientTest, EmptyValueAreaRepaintsTheWholeControl)
{
    client.valueRect = RECT{5, 0, 5, 30};
    port.registers[300] = 1;
    Data(3, &port);
    auto rects = Flush();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(Same(rects[0], client.controlRect));
}

TEST_F(ClientTest, OfflineThenDataRestoresTheNormalLook)
{
    EXPECT_EQ(SendMessageA(client.m_hWnd, WM_PLC_OFFLINE, 0, 0), 1);
    EXPECT_EQ(client.offline, 1);
    EXPECT_EQ(client.GetReadyState(), READYSTATE_COMPLETE);
    nimbo::Pixels look = Draw();
    EXPECT_EQ(look.At(50, 15), 0xFFC0C0C0u) << "grey area";
    nimbo::Pixels sign = OfflineSign();
    EXPECT_EQ(look.At(14, 12), sign.At(14, 12)) << "the sign in the top left corner";
    Flush();

    Data(3, &port);  // same value 0
    EXPECT_EQ(client.offline, 0);
    EXPECT_EQ(client.GetReadyState(), READYSTATE_LOADING);
    auto rects = Flush();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(Same(rects[0], client.controlRect));
    EXPECT_EQ(Draw().At(50, 15), 0xFF0000FFu);
}

TEST_F(ClientTest, DisabledLookUnlessOffline)
{
    client.PutProperty(DISPID_ENABLED, {}, Variant::Bool(false));
    nimbo::Pixels look = Draw();
    EXPECT_EQ(look.At(50, 15), 0xFFC0C0C0u);
    EXPECT_EQ(look.At(14, 12), 0xFF000000u) << "the black disc";
    SendMessageA(client.m_hWnd, WM_PLC_OFFLINE, 0, 0);
    EXPECT_EQ(Draw().At(14, 12), OfflineSign().At(14, 12)) << "offline overrides disabled";
}

TEST_F(ClientTest, NullPortIsAnsweredAndIgnored)
{
    EXPECT_EQ(Data(3, nullptr), 1);
    EXPECT_EQ(client.port, nullptr);
    EXPECT_EQ(client.value, 0);
}

TEST_F(ClientTest, SettersIgnoreOutOfRangeValues)
{
    client.PutProperty(DISPID_CLIENT_REG, {}, Variant::Long(32000));
    client.PutProperty(DISPID_CLIENT_REG, {}, Variant::Long(-1));
    EXPECT_EQ(client.Reg, 300);
    client.PutProperty(DISPID_CLIENT_REG, {}, Variant::Long(31999));
    EXPECT_EQ(client.Reg, 31999);
    client.PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(31));
    EXPECT_EQ(client.Bit, 0);
    client.PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(30));
    EXPECT_EQ(client.mask, 0x40000000u);
    client.PutProperty(DISPID_CLIENT_ALIGN, {}, Variant::Long(2));
    EXPECT_EQ(client.Align, 0);

    client.SetModifiedFlag(FALSE);
    client.PutProperty(DISPID_CLIENT_PLC, {}, Variant::Long(3));
    EXPECT_FALSE(client.IsModified()) << "the same PLC again changes nothing";
    client.PutProperty(DISPID_CLIENT_PLC, {}, Variant::Long(-7));
    EXPECT_EQ(client.Plc, -7) << "any PLC number is taken";

    Variant v;
    EXPECT_EQ(client.GetProperty(DISPID_CLIENT_CLIENT, {}, &v), S_OK);
    EXPECT_EQ(static_cast<HWND>(v.AsLong()), client.m_hWnd);
    EXPECT_EQ(client.PutProperty(DISPID_CLIENT_CLIENT, {}, Variant::Long(1)), CTL_E_SETNOTSUPPORTED);
}

TEST_F(ClientTest, StoredRegisterOutsideTheImageShowsZero)
{
    PropertyBag bag;
    bag.Write("Plc", Variant::Long(3));
    bag.Write("Reg", Variant::Long(300000));
    bag.Write("Bit", Variant::Long(40));
    client.LoadProperties(bag);
    EXPECT_EQ(client.Reg, 300000) << "stored values load unchecked";
    EXPECT_EQ(client.Bit, 40);
    client.value = 5;
    Data(3, &port);
    EXPECT_EQ(client.value, 0);
    client.UpdateMask();
    EXPECT_EQ(client.mask, 0u) << "a bit past 31 selects nothing";
}

TEST_F(ClientTest, PersistedKeysInOrder)
{
    PropertyBag bag;
    client.SaveProperties(&bag);
    std::vector<std::string> keys;
    for (const auto& kv : bag.Values())
        keys.push_back(kv.first);
    EXPECT_EQ(keys, (std::vector<std::string>{"_Version", "_ExtentX", "_ExtentY", "Enabled", "Plc", "Reg", "Bit",
                                              "Align"}));
}

TEST(Client3DFrame, SunkenFrameThreePixelsWide)
{
    TestClient c;
    auto dc = nimbo::CreateImageDC(20, 20, RGB(255, 0, 0));
    RECT r{0, 0, 20, 20};
    c.Draw3DFrame(dc.get(), &r);
    EXPECT_TRUE(r.left == 3 && r.top == 3 && r.right == 17 && r.bottom == 17);
    nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(p.At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(p.At(19, 5), 0xFF404040u) << "right edge dark";
    EXPECT_EQ(p.At(5, 19), 0xFF404040u) << "bottom edge dark";
    EXPECT_EQ(p.At(1, 5), 0xFFC0C0C0u);
    EXPECT_EQ(p.At(2, 5), 0xFFC0C0C0u);
    EXPECT_EQ(p.At(3, 5), 0xFF404040u) << "innermost frame dark";
    EXPECT_EQ(p.At(16, 5), 0xFFFFFFFFu) << "innermost right edge white";
    EXPECT_EQ(p.At(5, 16), 0xFFFFFFFFu);
    EXPECT_EQ(p.At(10, 10), 0xFFFF0000u) << "the inside is left alone";
    c.BlitOrigin(nullptr, &c.offlineBitmap);  // a null DC draws nothing
}
