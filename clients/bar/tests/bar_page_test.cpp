// The bar's property page: its fields, their ranges and order.
#include "clients/bar/zem_bar_prop_page.h"
#include "clients/bar/tests/bar_fixture.h"
#include "clients/common/tests/page_fixture.h"
#include "platform/propsheet.h"

#include <cstdlib>

namespace {

class BarPageTest : public BarTest, protected PageOn<CZemBarPropPage> {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        OpenOn(ctrl);
    }
    void Fill(std::int32_t align, std::int32_t plc, std::int32_t reg, std::int32_t max, std::int32_t min)
    {
        page.SetDlgItemText(IDC_BAR_ALIGN, std::to_string(align));
        page.SetDlgItemText(IDC_BAR_PLC, std::to_string(plc));
        page.SetDlgItemText(IDC_BAR_REG, std::to_string(reg));
        page.SetDlgItemText(IDC_BAR_MAX, std::to_string(max));
        page.SetDlgItemText(IDC_BAR_MIN, std::to_string(min));
    }
};

}  // namespace

TEST_F(BarPageTest, HasNoBitFieldAndItsOwnLayout)
{
    const DialogTemplate* t = page.Template();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cx, 250);
    EXPECT_EQ(t->cy, 110);
    std::vector<std::string> labels;
    std::vector<UINT> fields;
    for (const DialogItem& item : t->items)
        if (item.kind == DialogItem::Static)
            labels.push_back(item.text);
        else
            fields.push_back(item.id);
    EXPECT_EQ(labels, (std::vector<std::string>{"Minimo\t=", "Massimo\t=", "Titolo", "Align", "Numero di Plc",
                                                "Numero di Registro da visualizzare"}));
    EXPECT_EQ(fields, (std::vector<UINT>{208, 209, 206, 207, 204, 203}));
    EXPECT_EQ(page.GetDlgItem(202), 0u);
    EXPECT_EQ(page.Caption(), "General");
}

TEST_F(BarPageTest, FieldsAreLoadedFromTheControl)
{
    EXPECT_EQ(page.GetDlgItemText(IDC_BAR_MIN), "0");
    EXPECT_EQ(page.GetDlgItemText(IDC_BAR_MAX), "100");
    EXPECT_EQ(page.GetDlgItemText(IDC_BAR_PLC), "1");
    EXPECT_EQ(page.GetDlgItemText(IDC_BAR_REG), "40");
}

TEST_F(BarPageTest, ApplyPutsEveryField)
{
    Fill(1, 200, 31999, 500, 25);
    page.SetDlgItemText(IDC_BAR_CAPTION, "Serbatoio");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.Align, 1);
    EXPECT_EQ(ctrl.Plc, 200);
    EXPECT_EQ(ctrl.Reg, 31999);
    EXPECT_EQ(ctrl.Max, 500);
    EXPECT_EQ(ctrl.Min, 25);
    EXPECT_EQ(ctrl.InternalGetText(), "Serbatoio");
}

TEST_F(BarPageTest, LimitsOfZeroOrLessPassThePageAndAreIgnoredByTheControl)
{
    Fill(0, 1, 32000, -5, 0);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.Max, 100);
    EXPECT_EQ(ctrl.Min, 0);
    EXPECT_EQ(ctrl.Reg, 40) << "32000 passes the page, not the property";
}

TEST_F(BarPageTest, FirstFieldOutOfRangeStopsEverything)
{
    Fill(2, 0, 5, 300, 7);
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_BAR_ALIGN) << "Align comes before Plc";
    Fill(0, 0, 5, 300, 7);
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_BAR_PLC);
    EXPECT_EQ(ctrl.Max, 100) << "nothing applied";
    EXPECT_EQ(ctrl.Reg, 40);
}
