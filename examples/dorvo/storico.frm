# Registers its displays with the main window's server while open; Ok closes it.
# Last month's figures, served by the main window's server.
# Colours: 65280 green, 255 red, 0 black; 2147483663 and 2147483666 the
# system's button face and button text.

Form storico
    Caption = "Dati Storici  Mese Precedente"
    ClientWidth = 7680
    ClientHeight = 2760
    StartUpPosition = center
    Server = "Opener"
    RegisterClients = true
    Begin ZEMEDIT1 ZEMEDITLib.ZEMEDIT
        Left = 0
        Top = 0
        Width = 1920
        Height = 885
        Caption = "KW C.Mensile F1"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 340
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT2 ZEMEDITLib.ZEMEDIT
        Left = 1920
        Top = 0
        Width = 1920
        Height = 885
        Caption = "KW C.Mensile F2"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 341
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT3 ZEMEDITLib.ZEMEDIT
        Left = 3840
        Top = 0
        Width = 1920
        Height = 885
        Caption = "KW C.Mensile F3"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 342
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT4 ZEMEDITLib.ZEMEDIT
        Left = 5760
        Top = 0
        Width = 1920
        Height = 885
        Caption = "KW C.Mensile F4"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 343
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT6 ZEMEDITLib.ZEMEDIT
        Left = 0
        Top = 960
        Width = 1920
        Height = 885
        Caption = "Picco di Fascia F1"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 344
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT7 ZEMEDITLib.ZEMEDIT
        Left = 1920
        Top = 960
        Width = 1920
        Height = 885
        Caption = "Picco di Fascia F2"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 345
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT8 ZEMEDITLib.ZEMEDIT
        Left = 3840
        Top = 960
        Width = 1920
        Height = 885
        Caption = "Picco di Fascia F3"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 346
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT9 ZEMEDITLib.ZEMEDIT
        Left = 5760
        Top = 960
        Width = 1920
        Height = 885
        Caption = "Picco di Fascia F4"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 347
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin Command1 CommandButton
        Left = 2880
        Top = 2040
        Width = 1935
        Height = 615
        Caption = "Ok"
        Closes = true
    End
End
