// The lists of the report window. CRowCtrl shows the PLC table and edits
// it in place (it serves the general property page too), CRowCtrl1 the
// state of every PLC, CRowCtrl2 the registered client controls.
#pragma once

#include "link/client_info.h"
#include "platform/controls.h"
#include "platform/wingdi.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

// Commands of the PLC table's popup menu and its editor.
constexpr UINT ID_ROW_RESET = 20001;
constexpr UINT ID_ROW_COMMIT = 20002;  // also the editor's own number
constexpr UINT ID_ROW_DEFAULT = 20003;
constexpr UINT ID_ROW_RESET_ALL = 20004;

// The in-place editor over one cell. Enter commits it through its list;
// losing the focus closes it without storing anything.
class CellEdit : public CEdit {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CRowCtrl : public CListCtrl {
public:
    virtual void FillRows();
    virtual void EditCell();
    virtual void SetupColumns();
    virtual bool CreateList(const RECT& rect, HWND parent, UINT id);

    // The Enable, AddrStart and AddrStop tables, first entry PLC 1.
    void SetTables(std::int32_t* enable, std::int32_t* start, std::int32_t* stop, int count);
    bool EditorOpen() const;
    void CloseEditor();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::int32_t* tables[3] = {nullptr, nullptr, nullptr};
    int rows = 0;
    // Rows are selected, never edited: the tables belong to a line steered
    // elsewhere (a gateway's, for a remote line).
    bool readOnly = false;
    CellEdit cellEdit;
    CImageList images;
    int selectedRow = -1;
    int editColumn = -1;  // 0 Enable, 1 AddrStart, 2 AddrStop
    // The cell the open editor was opened on: what it stores belongs there,
    // whatever row or column a later click made current.
    int editorRow = -1;
    int editorColumn = -1;

private:
    void OnLeftButton(LPARAM at);
    void OnRightButton(LPARAM at);
    void OnRowCommand(UINT id);
    void Commit();
    void SetRow(int row, std::int32_t enable, std::int32_t start, std::int32_t stop);
    bool RowValid(int row) const { return row >= 0 && row < rows; }
};

class CRowCtrl1 : public CListCtrl {
public:
    virtual void FillRows();
    virtual void UpdateRow(int row);
    virtual void SetupColumns();
    virtual bool CreateList(const RECT& rect, HWND parent, UINT id);

    // Enable, status, scan time and last seen, first entry PLC 1.
    void SetTables(const std::int32_t* enable, const std::int32_t* status, const std::uint32_t* scanTime,
                   const std::int32_t* lastSeen, int count);

    const std::int32_t* enable = nullptr;
    const std::int32_t* status = nullptr;
    const std::uint32_t* scanTime = nullptr;
    const std::int32_t* lastSeen = nullptr;
    int rows = 0;
    CImageList images;
};

class CRowCtrl2 : public CListCtrl {
public:
    virtual void FillRows();
    virtual void SetupColumns();
    virtual bool CreateList(const RECT& rect, HWND parent, UINT id);

    void SetClients(const std::vector<HWND>* windows, const std::vector<CClientInfo*>* records, int count);

    const std::vector<HWND>* clientWindows = nullptr;
    const std::vector<CClientInfo*>* clientRecords = nullptr;
    int rows = 0;
    CImageList images;
};

// Creates a list with 20 x 20 row pictures from the server's bitmaps, on
// white taken as transparent.
bool CreatePictureList(CListCtrl& list, CImageList& images, const RECT& rect, HWND parent, UINT id,
                       std::initializer_list<UINT> bitmaps);

// Texts the rows show, kept apart so they can be checked without a list.
std::string StatusText(std::int32_t status);
std::string LastSeenText(std::int32_t packed);
