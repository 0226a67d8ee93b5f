Form Server
    Begin Nimbo1 NIMBOLib.Nimbo
        COM = 0
        Speed = 1
        InternalTimer = 0
        Modem = true
        ModemNumber = "0123456789"
        PlcEnabled1 = 1
        PlcStart1 = 364
        PlcStop1 = 300
        PlcEnabled32 = 1
        PlcStart32 = 0
        PlcStop32 = 2147483647
    End
End
