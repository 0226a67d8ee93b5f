Form Extremes
    ClientWidth = 491505
    ClientHeight = 15
    Begin E1 ZEMEDITLib.ZEMEDIT
        Left = -491505
        Top = 491505
        Width = 491505
        Height = 491505
        Caption = ""
        ForeColor = 2147483663
        BackColor = -1
        Bit = 2147483647
        Enum = -2147483648
        Size = 99
        Uni = "µ°C"
    End
End
