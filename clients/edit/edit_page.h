// The numeric display's own property page. The display mask, the part of
// the register and the size are picked from lists or typed; each list
// writes its choice into a hidden field, and the hidden fields carry the
// properties.
#pragma once

#include "platform/proppage.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr UINT IDD_EDIT_PAGE = 200;
constexpr UINT IDS_EDIT_PAGE_TYPENAME = 2;
constexpr UINT IDS_EDIT_PAGE_CAPTION = 200;

enum EditPageItem : UINT {
    IDC_EDIT_REG = 203,
    IDC_EDIT_PLC = 204,
    IDC_EDIT_ALIGN = 205,
    IDC_EDIT_MASK_LIST = 206,
    IDC_EDIT_PART_LIST = 207,
    IDC_EDIT_UNI = 208,
    IDC_EDIT_SIZE_LIST = 209,
    IDC_EDIT_BIT = 210,
    IDC_EDIT_ENUM = 211,
    IDC_EDIT_SIZE = 212,
    IDC_EDIT_CAPTION = 213,
};

DialogTemplate EditPageTemplate();

class CZEMEDITPropPage : public COlePropertyPage {
public:
    CZEMEDITPropPage();

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;

    // What the fields hold: Bit, Enum, Size, Caption, Align, Plc, Reg, Uni.
    std::int32_t part = 0;
    std::int32_t mask = 0;
    std::int32_t size = 0;
    std::string caption;
    std::int32_t align = 0;
    std::int32_t plc = 0;
    std::int32_t reg = 0;
    std::string unit;

private:
    void FillList(UINT list, const std::vector<std::string>& entries, std::int32_t selected);
};
