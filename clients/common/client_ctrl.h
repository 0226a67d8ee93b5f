// The common base of every client control: binding to one register of one
// PLC, following the server's notifications, the cached value, the offline
// and disabled looks, and the bitmap drawing helpers. Compiled into each
// client library unchanged.
#pragma once

#include "link/client_info.h"
#include "link/com_ser.h"
#include "platform/olectl.h"
#include "platform/resources.h"
#include "platform/wingdi.h"
#include "clients/common/client_dispids.h"

// Each client library supplies its own numbered resources.
HINSTANCE ClientModule();

constexpr UINT IDS_CLIENT_TYPENAME = 1;
constexpr UINT IDB_CLIENT_DISABLED = 208;
constexpr UINT IDB_CLIENT_OFFLINE = 209;

class CClientCtrl : public COleControl {
public:
    // The identity record comes first and never moves.
    CClientInfo info;

    // alignDispId: where the control puts Align among its properties.
    explicit CClientCtrl(DISPID alignDispId = DISPID_CLIENT_ALIGN);
    ~CClientCtrl() override;

    // Added after the framework's operations, in this order.
    virtual void SetGeometry();
    virtual void InitClient(UINT typeNameId);
    virtual void UpdateMask();
    virtual void DrawOnline(CDC* dc);
    virtual void BlitPart(CDC* dc, int x, int y, int cx, int cy, CBitmap* bitmap, int sx, int sy);
    virtual void BlitAt(CDC* dc, int x, int y, CBitmap* bitmap);
    virtual void BlitOrigin(CDC* dc, CBitmap* bitmap);
    virtual void Draw3DFrame(CDC* dc, RECT* rect);
    virtual void InvalidateValue();

    void OnDraw(CDC* dc, const RECT& bounds, const RECT& invalid) override;
    BOOL OnSetExtent(const SIZE& size) override;
    int OnCreate() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    LRESULT OnServerData(WPARAM plc, LPARAM port);
    LRESULT OnServerOffline(WPARAM, LPARAM);

    void SetPlc(std::int32_t value);
    void SetReg(std::int32_t value);
    void SetBit(std::int32_t value);
    void SetAlign(std::int32_t value);
    bool BitSet() const { return (static_cast<std::uint32_t>(value) & mask) != 0; }

    CComSer* port = nullptr;
    std::int32_t value = 0;
    std::int32_t Align = 0;
    std::int32_t Plc = 0;
    std::int32_t Reg = 0;
    std::int32_t Bit = 0;
    std::uint32_t mask = 1;
    std::int32_t offline = 0;
    std::int32_t writePending = 0;
    RECT controlRect{0, 0, 0, 0};
    RECT valueRect{0, 0, 0, 0};
    CBitmap offlineBitmap;
    CBitmap disabledBitmap;

protected:
    // The framework's part and the common properties, after the derived
    // class has exchanged the version.
    void ExchangeCommon(CPropExchange* px);
    // The register this control shows, read from the image; a register
    // number outside the image reads as 0.
    std::int32_t ReadRegister(const std::int32_t* image) const;
    void RefreshIdentity();

    // Shared by the controls that draw a style cell beside a caption box.
    // Copies the style's cell from a strip of cells, lit row above unlit
    // row; a style outside the strip shows a blank grey cell instead.
    void BlitStyleCell(CDC* dc, POINT at, CBitmap* strip, int style, int styles, int cx, int cy, bool lit);
    // The caption panel: its background picture, a box 6 pixels inside it
    // filled with BackColor and framed in black, and the caption in
    // ForeColor on one line, right-aligned when Align is 0, else left.
    void DrawCaptionBox(CDC* dc, POINT at, CBitmap* background, int cx, int cy);
};
