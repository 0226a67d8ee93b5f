// Report lists under the mouse: where rows and cells are, which row a point
// falls on, and presses as messages whose default handling chooses a row.
#include "platform/controls.h"
#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>

#include <string>

using nimbo::test::Message;
using nimbo::test::Rect;
using nimbo::test::Recorder;

namespace {

QTreeWidget* TreeOf(HWND window)
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->property("hwnd").toULongLong() == window)
            return w->findChild<QTreeWidget*>();
    return nullptr;
}

POINT Centre(const RECT& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Writes down its presses, and keeps them from DefWindowProc when told.
class PressList : public CListCtrl {
public:
    std::vector<Message> presses;
    bool passOn = true;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) {
            presses.push_back({message, wParam, lParam});
            if (!passOn)
                return 0;
        }
        return CListCtrl::WindowProc(message, wParam, lParam);
    }
};

struct ListMouse : ::testing::Test {
    Recorder parent;
    PressList list;
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 300, 200)));
        ASSERT_TRUE(list.Create(parent.m_hWnd, Rect(5, 5, 280, 180), 205));
        list.InsertColumn(0, "Name", 80);
        list.InsertColumn(1, "Value", 60, LVCFMT_CENTER);
        list.InsertColumn(2, "Unit", 50);
        for (int r = 0; r < 3; ++r)
            list.InsertItem(r, "row " + std::to_string(r));
    }
    void AddRows(int count)
    {
        for (int r = list.GetItemCount(); r < count; ++r)
            list.InsertItem(r, "row " + std::to_string(r));
    }
};

struct Cell {
    UINT message;
    int row;
    int column;
};

class ListMouseCell : public ListMouse, public ::testing::WithParamInterface<Cell> {};

TEST_P(ListMouseCell, PressAtACellsCentreChoosesItsRow)
{
    const auto [message, row, column] = GetParam();
    RECT cell{}, whole{};
    ASSERT_TRUE(list.GetSubItemRect(row, column, &cell));
    ASSERT_TRUE(list.GetItemRect(row, &whole));
    int before = 0;
    for (int c = 0; c < column; ++c)
        before += list.GetColumnWidth(c);
    EXPECT_EQ(cell.left - whole.left, before);
    EXPECT_EQ(cell.right - cell.left, list.GetColumnWidth(column));
    EXPECT_EQ(cell.top, whole.top);
    EXPECT_EQ(cell.bottom, whole.bottom);

    const POINT at = Centre(cell);
    EXPECT_EQ(list.HitTest(at), row);
    SendMessageA(list.m_hWnd, message, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(list.GetSelectedRow(), row);
}

INSTANTIATE_TEST_SUITE_P(Cells, ListMouseCell,
                         ::testing::Values(Cell{WM_LBUTTONDOWN, 0, 0}, Cell{WM_LBUTTONDOWN, 1, 2},
                                           Cell{WM_RBUTTONDOWN, 2, 1}),
                         [](const auto& info) {
                             const Cell& c = info.param;
                             return std::string(c.message == WM_LBUTTONDOWN ? "Left" : "Right") + "Row" +
                                    std::to_string(c.row) + "Column" + std::to_string(c.column);
                         });

enum class Miss { LeftOfTheList, InTheHeader, BelowTheLastRow };

class ListMouseMiss : public ListMouse, public ::testing::WithParamInterface<Miss> {};

TEST_P(ListMouseMiss, PressOffTheRowsLeavesTheSelection)
{
    RECT first{}, last{};
    ASSERT_TRUE(list.GetItemRect(0, &first));
    ASSERT_TRUE(list.GetItemRect(2, &last));
    POINT at = Centre(first);
    switch (GetParam()) {
    case Miss::LeftOfTheList:
        at.x = -3;
        break;
    case Miss::InTheHeader:
        at.y = first.top - 4;
        break;
    case Miss::BelowTheLastRow:
        at.y = last.bottom + 3;
        break;
    }
    list.SelectRow(1);
    EXPECT_EQ(list.HitTest(at), -1);
    SendMessageA(list.m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(list.GetSelectedRow(), 1);
}

INSTANTIATE_TEST_SUITE_P(Points, ListMouseMiss,
                         ::testing::Values(Miss::LeftOfTheList, Miss::InTheHeader, Miss::BelowTheLastRow),
                         [](const auto& info) {
                             return info.param == Miss::LeftOfTheList ? "LeftOfTheList"
                                    : info.param == Miss::InTheHeader ? "InTheHeader"
                                                                      : "BelowTheLastRow";
                         });

TEST_F(ListMouse, RectanglesFollowScrolling)
{
    AddRows(40);
    list.SelectRow(39);
    RECT client{}, top{}, bottom{};
    GetClientRect(list.m_hWnd, &client);
    ASSERT_TRUE(list.GetItemRect(0, &top));
    ASSERT_TRUE(list.GetItemRect(39, &bottom));
    EXPECT_LE(bottom.bottom, client.bottom) << "the last row scrolled into view";
    EXPECT_LT(top.bottom, bottom.top);
    EXPECT_EQ(list.HitTest(Centre(bottom)), 39);
}

// Qt's own mouse press on the rows arrives as the window's message, in the
// window's client coordinates; only DefWindowProc chooses the row.
class ListMouseReal : public ListMouse, public ::testing::WithParamInterface<bool> {};

TEST_P(ListMouseReal, RealPressReachesTheWindowFirst)
{
    list.passOn = GetParam();
    QTreeWidget* tree = TreeOf(list.m_hWnd);
    ASSERT_NE(tree, nullptr);
    QWidget* viewport = tree->viewport();
    const QPoint at = tree->visualItemRect(tree->topLevelItem(1)).center();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(viewport->mapToGlobal(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);

    ASSERT_EQ(list.presses.size(), 1u);
    const QPoint client = viewport->mapTo(tree->parentWidget(), at);
    EXPECT_EQ(list.presses[0].lParam, MAKELPARAM(client.x(), client.y()));
    EXPECT_EQ(list.presses[0].wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_EQ(list.GetSelectedRow(), GetParam() ? 1 : -1);
}

INSTANTIATE_TEST_SUITE_P(PassedOnOrKept, ListMouseReal, ::testing::Bool());

TEST_F(ListMouse, RealDoubleClickActivatesTheRow)
{
    QWidget* viewport = TreeOf(list.m_hWnd)->viewport();
    const QPoint at = TreeOf(list.m_hWnd)->visualItemRect(TreeOf(list.m_hWnd)->topLevelItem(2)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
    int activations = 0;
    for (const Message& m : parent.log)
        activations += m.message == WM_COMMAND && m.wParam == MAKEWPARAM(205, LVN_ITEMACTIVATE);
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(list.GetSelectedRow(), 2);
}

// An in-place editor is a child of the list, shown over the rows.
TEST_F(ListMouse, EditOverACellShowsAboveTheRows)
{
    RECT cell{};
    ASSERT_TRUE(list.GetSubItemRect(1, 1, &cell));
    CEdit edit;
    ASSERT_TRUE(edit.Create(list.m_hWnd, cell, 20002, "42"));
    edit.SetCentered(true);

    const POINT at = Centre(cell);
    QWidget* host = TreeOf(list.m_hWnd)->parentWidget();
    auto* shown = qobject_cast<QLineEdit*>(host->childAt(at.x, at.y));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->text().toStdString(), "42");
    EXPECT_EQ(shown->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

}  // namespace
