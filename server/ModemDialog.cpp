#include "server/ModemDialog.h"

void CModemDialog::End(int endResult)
{
    result = endResult;
    if (IsWindow(window))
        nimbo::EndModalLoop(window, endResult);
    window = 0;
}
