// The server's two property pages: the general one (port, speed, password,
// timer period and the PLC table, edited in place) and the modem strings.
#pragma once

#include "link/com_ser.h"
#include "platform/proppage.h"
#include "server/row_ctrl.h"

#include <cstdint>
#include <string>

class CNimboPropPage : public COlePropertyPage {
public:
    CNimboPropPage();
    ~CNimboPropPage() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::int32_t com = 0;
    std::int32_t speed = 0;
    std::int32_t internalTimer = 0;
    std::int64_t internalComSer = 0;  // the port object's address, whole
    std::string password;
    BOOL fastScan = FALSE;
    CComSer* comSer = nullptr;        // null until the address is known
    CRowCtrl rowList;
};

class CModemPropPage : public COlePropertyPage {
public:
    CModemPropPage();
    ~CModemPropPage() override;

    void DoDataExchange(CDataExchange* pDX) override;

    std::string modemDisconnect;
    std::string modemInit;
    std::string modemNumber;
    std::string modemTest;
    BOOL modem = FALSE;
};
