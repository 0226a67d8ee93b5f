// Drop-down lists and report lists.
#include "platform/controls.h"
#include "platform/resources.h"
#include "platform/window/tests/win_recorder.h"
#include "platform/wingdi.h"
#include "platform/controls/tests/native_of.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QTreeWidget>

using nimbo::test::Rect;
using nimbo::test::Recorder;

using nimbo::test::NativeOf;

namespace {

int Count(const Recorder& parent, UINT id, WORD code)
{
    int n = 0;
    for (const auto& m : parent.log)
        if (m.message == WM_COMMAND && m.wParam == MAKEWPARAM(static_cast<int>(id), code))
            ++n;
    return n;
}

struct CtlComboBox : ::testing::Test {
    Recorder parent;
    CComboBox combo;
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 150)));
        ASSERT_TRUE(combo.Create(parent.m_hWnd, Rect(5, 5, 120, 22), 30));
        EXPECT_EQ(combo.AddString("300 baud"), 0);
        EXPECT_EQ(combo.AddString("9600 baud"), 1);
        EXPECT_EQ(combo.AddString("19200 baud"), 2);
        parent.log.clear();
    }
};

TEST_F(CtlComboBox, StartsWithNothingChosen)
{
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.GetLBText(1), "9600 baud");
    EXPECT_EQ(combo.GetLBText(3), "");
}

TEST_F(CtlComboBox, ProgramChoiceNotifiesOnlyWhenAsked)
{
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(Count(parent, 30, CBN_SELCHANGE), 0);
    EXPECT_EQ(combo.SetCurSel(2, true), 2);
    EXPECT_EQ(Count(parent, 30, CBN_SELCHANGE), 1);
    EXPECT_EQ(combo.GetCurSel(), 2);
    char text[32] = {};
    GetWindowTextA(combo.m_hWnd, text, sizeof text);
    EXPECT_STREQ(text, "19200 baud");

    EXPECT_EQ(combo.SetCurSel(7), -1);
    EXPECT_EQ(combo.GetCurSel(), -1);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(CtlComboBox, UserChoiceNotifies)
{
    combo.SetCurSel(0);
    QComboBox* native = NativeOf<QComboBox>(combo.m_hWnd);
    ASSERT_NE(native, nullptr);
    EXPECT_FALSE(native->isEditable());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(native, &down);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(Count(parent, 30, CBN_SELCHANGE), 1);
}

struct CtlListCtrl : ::testing::Test {
    Recorder parent;
    CListCtrl list;
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 300, 200)));
        ASSERT_TRUE(list.Create(parent.m_hWnd, Rect(5, 5, 280, 180), 40));
    }
};

TEST_F(CtlListCtrl, RowsAndColumns)
{
    EXPECT_EQ(list.InsertColumn(0, "Name", 100), 0);
    EXPECT_EQ(list.InsertColumn(1, "Port", 60), 1);
    EXPECT_EQ(list.InsertItem(0, "second"), 0);
    EXPECT_EQ(list.InsertItem(0, "first"), 0);
    EXPECT_EQ(list.InsertItem(99, "last"), 2);
    EXPECT_TRUE(list.SetItemText(1, 1, "COM2"));
    EXPECT_FALSE(list.SetItemText(1, 2, "no such column"));
    EXPECT_FALSE(list.SetItemText(5, 0, "no such row"));

    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, 0), "first");
    EXPECT_EQ(list.GetItemText(1, 0), "second");
    EXPECT_EQ(list.GetItemText(1, 1), "COM2");
    EXPECT_EQ(list.GetItemText(2, 0), "last");

    QTreeWidget* native = NativeOf<QTreeWidget>(list.m_hWnd);
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->columnCount(), 2);
    EXPECT_EQ(native->headerItem()->text(1).toStdString(), "Port");
    EXPECT_EQ(native->columnWidth(0), 100);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(5));
    EXPECT_EQ(list.GetItemText(0, 0), "second");
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(CtlListCtrl, ColumnInsertedBetweenMovesTextsRight)
{
    list.InsertColumn(0, "A", 50);
    list.InsertColumn(1, "C", 50);
    list.InsertItem(0, "a");
    list.SetItemText(0, 1, "c");
    EXPECT_EQ(list.InsertColumn(1, "B", 50), 1);
    EXPECT_EQ(list.GetItemText(0, 0), "a");
    EXPECT_EQ(list.GetItemText(0, 1), "");
    EXPECT_EQ(list.GetItemText(0, 2), "c");
    EXPECT_EQ(NativeOf<QTreeWidget>(list.m_hWnd)->headerItem()->text(2).toStdString(), "C");
}

TEST_F(CtlListCtrl, SelectionIconsAndActivation)
{
    HINSTANCE module = nimbo::RegisterResourceModule("ctl-list-test");
    nimbo::AddIconResource(module, 1, [] {
        nimbo::Pixels p;
        p.width = p.height = 16;
        p.argb.assign(256, 0xFFFF0000u);
        return p;
    });
    list.InsertColumn(0, "Name", 100);
    list.SetImageList({LoadIconA(module, 1)});
    list.InsertItem(0, "with icon", 0);
    list.InsertItem(1, "without", -1);
    QTreeWidget* native = NativeOf<QTreeWidget>(list.m_hWnd);
    EXPECT_FALSE(native->topLevelItem(0)->icon(0).isNull());
    EXPECT_TRUE(native->topLevelItem(1)->icon(0).isNull());
    EXPECT_TRUE(list.SetItemImage(1, 0));
    EXPECT_FALSE(native->topLevelItem(1)->icon(0).isNull());

    EXPECT_EQ(list.GetSelectedRow(), -1);
    list.SelectRow(1);
    EXPECT_EQ(list.GetSelectedRow(), 1);
    list.SelectRow(-1);
    EXPECT_EQ(list.GetSelectedRow(), -1);

    parent.log.clear();
    emit native->itemActivated(native->topLevelItem(0), 0);
    EXPECT_EQ(Count(parent, 40, LVN_ITEMACTIVATE), 1);
}

// The list outlives the image list it was given, and a row added before
// the images shows its image once they come.
TEST_F(CtlListCtrl, ImageListCutsAStripIntoTransparentIcons)
{
    HINSTANCE module = nimbo::RegisterResourceModule("ctl-list-test");
    nimbo::AddBitmapResource(module, 2, [] {
        nimbo::Pixels strip = nimbo::MakePixels(50, 20, 0xFFFFFFFFu);
        strip.Set(25, 3, 0xFF0000FFu);  // the second image's (5, 3)
        return strip;
    });
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(module, 2));
    list.InsertColumn(0, "Name", 100);
    list.InsertItem(0, "second image", 1);
    {
        CImageList images;
        ASSERT_TRUE(images.Create(20, 20));
        EXPECT_EQ(images.Add(&strip, RGB(255, 255, 255)), 0);
        EXPECT_EQ(images.GetImageCount(), 2) << "the last ten columns make no image";
        EXPECT_EQ(images.Add(&strip, RGB(255, 255, 255)), 2);
        list.SetImageList(&images);
    }
    QTreeWidget* native = NativeOf<QTreeWidget>(list.m_hWnd);
    EXPECT_EQ(native->iconSize(), QSize(20, 20));
    const QImage icon = native->topLevelItem(0)->icon(0).pixmap(20, 20).toImage();
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << "white is see-through";
    EXPECT_EQ(icon.pixelColor(5, 3), QColor(0, 0, 255));
}

TEST_F(CtlListCtrl, CentredColumnStaysCentredWhereverItMoves)
{
    list.InsertColumn(0, "Name", 100);
    list.InsertItem(0, "before");
    list.InsertColumn(1, "Value", 60, LVCFMT_CENTER);
    list.InsertItem(1, "after");
    list.InsertColumn(0, "Index", 40);

    QTreeWidget* native = NativeOf<QTreeWidget>(list.m_hWnd);
    auto horizontal = [](int alignment) { return alignment & Qt::AlignHorizontal_Mask; };
    EXPECT_EQ(horizontal(native->headerItem()->textAlignment(2)), Qt::AlignHCenter);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(horizontal(native->topLevelItem(r)->textAlignment(2)), Qt::AlignHCenter) << r;
        EXPECT_EQ(horizontal(native->topLevelItem(r)->textAlignment(1)), Qt::AlignLeft) << r;
    }
}

}  // namespace
