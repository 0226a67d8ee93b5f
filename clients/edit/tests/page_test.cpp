#include "clients/edit/edit_page.h"
#include "clients/common/tests/page_fixture.h"
#include "clients/edit/tests/edit_fixture.h"
#include "platform/propsheet.h"
#include "platform/registry.h"
#include "platform/scripting.h"

#include <cstdlib>

namespace {

class EditPageTest : public EditTest, protected PageOn<CZEMEDITPropPage> {
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        Show();
        ctrl->SetText("Potenza");
        ctrl->SetPlc(3);
        ctrl->SetReg(1200);
        ctrl->SetBit(5);
        ctrl->SetAlign(1);
        ctrl->SetUni("kW");
        ctrl->SetEnum(12);
        ctrl->SetSize(1);
        OpenOn(*ctrl);
    }
    void TearDown() override
    {
        page.DestroyWindow();
        EditTest::TearDown();
    }
    CComboBox* List(UINT id) { return page.Item<CComboBox>(static_cast<int>(id)); }
};

TEST_F(EditPageTest, FieldsShowTheControl)
{
    EXPECT_EQ(page.Caption(), "General");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_CAPTION), "Potenza");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_ALIGN), "1");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_PLC), "3");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_REG), "1200");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_UNI), "kW");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_BIT), "5");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_ENUM), "12");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_SIZE), "1");
    for (UINT hidden : {IDC_EDIT_BIT, IDC_EDIT_ENUM, IDC_EDIT_SIZE})
        EXPECT_FALSE(IsWindowVisible(page.GetDlgItem(static_cast<int>(hidden)))) << hidden;
    EXPECT_TRUE(IsWindowVisible(page.GetDlgItem(IDC_EDIT_UNI)));
    EXPECT_FALSE(page.IsDirty());
}

TEST_F(EditPageTest, ListsInTableOrderWithTheCurrentChoice)
{
    ASSERT_EQ(List(IDC_EDIT_MASK_LIST)->GetCount(), 35);
    EXPECT_EQ(List(IDC_EDIT_MASK_LIST)->GetLBText(0), "99");
    EXPECT_EQ(List(IDC_EDIT_MASK_LIST)->GetLBText(18), ".99");
    EXPECT_EQ(List(IDC_EDIT_MASK_LIST)->GetLBText(34), "9999999.999");
    EXPECT_EQ(List(IDC_EDIT_MASK_LIST)->GetCurSel(), 12);
    const char* parts[] = {"LowLowByte", "LowHighByte", "HighLowByte", "HighHighByte", "LowWord", "HighWord", "Long"};
    ASSERT_EQ(List(IDC_EDIT_PART_LIST)->GetCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(List(IDC_EDIT_PART_LIST)->GetLBText(i), parts[i]);
    EXPECT_EQ(List(IDC_EDIT_PART_LIST)->GetCurSel(), 5);
    ASSERT_EQ(List(IDC_EDIT_SIZE_LIST)->GetCount(), 3);
    EXPECT_EQ(List(IDC_EDIT_SIZE_LIST)->GetLBText(0), "Piccolo");
    EXPECT_EQ(List(IDC_EDIT_SIZE_LIST)->GetLBText(1), "Medio");
    EXPECT_EQ(List(IDC_EDIT_SIZE_LIST)->GetLBText(2), "Grande");
    EXPECT_EQ(List(IDC_EDIT_SIZE_LIST)->GetCurSel(), 1);
}

TEST_F(EditPageTest, ChoicesGoThroughTheHiddenFields)
{
    List(IDC_EDIT_MASK_LIST)->SetCurSel(34, true);
    List(IDC_EDIT_PART_LIST)->SetCurSel(6, true);
    List(IDC_EDIT_SIZE_LIST)->SetCurSel(2, true);
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_ENUM), "34");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_BIT), "6");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_SIZE), "2");
    EXPECT_TRUE(page.IsDirty());
    EXPECT_EQ(ctrl->Enum, 12);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl->Enum, 34);
    EXPECT_EQ(ctrl->Bit, 6);
    EXPECT_EQ(ctrl->Size, 2);
    EXPECT_EQ(Font().lfHeight, -96);
    EXPECT_EQ(Extent().cx, Measure("kW0000000.000").cx + 8);
}

TEST_F(EditPageTest, TypedTextSpellingAChoiceSelectsIt)
{
    CComboBox* masks = List(IDC_EDIT_MASK_LIST);
    masks->SetEditText("9999999.999");
    EXPECT_EQ(masks->GetCurSel(), 34);
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_MASK_LIST), "9999999.999");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_ENUM), "34");
    masks->SetEditText("12345");
    EXPECT_EQ(masks->GetCurSel(), -1);
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_MASK_LIST), "12345");
    EXPECT_EQ(page.GetDlgItemText(IDC_EDIT_ENUM), "34") << "no such choice: the last one stays";
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl->Enum, 34);
}

TEST_F(EditPageTest, TextFieldsApply)
{
    page.SetDlgItemText(IDC_EDIT_CAPTION, "Energia");
    page.SetDlgItemText(IDC_EDIT_UNI, "kWh");
    page.SetDlgItemText(IDC_EDIT_ALIGN, "0");
    page.SetDlgItemText(IDC_EDIT_PLC, "32");
    page.SetDlgItemText(IDC_EDIT_REG, "0");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl->InternalGetText(), "Energia");
    EXPECT_EQ(ctrl->Uni, "kWh");
    EXPECT_EQ(ctrl->Align, 0);
    EXPECT_EQ(ctrl->Plc, 32);
    EXPECT_EQ(ctrl->Reg, 0);
}

TEST_F(EditPageTest, RangesAreCheckedInExchangeOrder)
{
    page.SetDlgItemText(IDC_EDIT_ALIGN, "2");
    page.SetDlgItemText(IDC_EDIT_PLC, "33");
    page.SetDlgItemText(IDC_EDIT_UNI, "V");
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), static_cast<int>(IDC_EDIT_ALIGN));
    EXPECT_EQ(nimbo::LastMessageBoxText(), "Please enter an integer between 0 and 1.");
    page.SetDlgItemText(IDC_EDIT_ALIGN, "0");
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), static_cast<int>(IDC_EDIT_PLC));
    EXPECT_EQ(nimbo::LastMessageBoxText(), "Please enter an integer between 1 and 32.");
    page.SetDlgItemText(IDC_EDIT_PLC, "0");
    EXPECT_FALSE(Apply());
    page.SetDlgItemText(IDC_EDIT_PLC, "4");
    page.SetDlgItemText(IDC_EDIT_REG, "32001");
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), static_cast<int>(IDC_EDIT_REG));
    EXPECT_EQ(ctrl->Uni, "kW");
    EXPECT_EQ(ctrl->Plc, 3);
}

// The page lets 32000 through; the property keeps its value.
TEST_F(EditPageTest, RegisterPastTheSetterPassesThePageOnly)
{
    page.SetDlgItemText(IDC_EDIT_REG, "32000");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl->Reg, 1200);
}

TEST(EditPageTemplate, LayoutInDialogUnits)
{
    const DialogTemplate* t = nimbo::FindDialogResource(ClientModule(), IDD_EDIT_PAGE);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cx, 250);
    EXPECT_EQ(t->cy, 110);
    EXPECT_EQ(t->fontFace, "MS Sans Serif");
    EXPECT_EQ(t->fontPoints, 8);
    auto find = [t](UINT id) -> const DialogItem* {
        for (const DialogItem& item : t->items)
            if (item.id == id)
                return &item;
        return nullptr;
    };
    const DialogItem* reg = find(IDC_EDIT_REG);
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(reg->kind, DialogItem::Edit);
    EXPECT_EQ(reg->x, 224);
    EXPECT_EQ(reg->y, 89);
    EXPECT_EQ(reg->cx, 20);
    EXPECT_EQ(reg->cy, 12);
    const DialogItem* masks = find(IDC_EDIT_MASK_LIST);
    ASSERT_NE(masks, nullptr);
    EXPECT_EQ(masks->kind, DialogItem::ComboBox);
    EXPECT_EQ(masks->cy, 96);
    std::vector<std::string> labels;
    for (const DialogItem& item : t->items)
        if (item.kind == DialogItem::Static)
            labels.push_back(item.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"Titolo", "Align", "Unita di misura", "Numero di Plc",
                                                "Numero di Registro da visualizzare"}));
}

}  // namespace
