# Registers its displays with the main window's server while open; Ok closes it.
# The plant's constants, served by the main window's server.
# Colours: 65280 green, 255 red, 0 black; 2147483663 and 2147483666 the
# system's button face and button text.

Form costanti
    Caption = "Lettura Costanti"
    ClientWidth = 5205
    ClientHeight = 1095
    StartUpPosition = center
    Server = "Opener"
    RegisterClients = true
    Begin ZEMEDIT1 ZEMEDITLib.ZEMEDIT
        Left = 240
        Top = 120
        Width = 1560
        Height = 885
        Caption = "COSTANTE TA"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 300
        Bit = 6
        Align = 0
        Uni = ""
        Enum = 6
        Size = 0
    End
    Begin ZEMEDIT2 ZEMEDITLib.ZEMEDIT
        Left = 1920
        Top = 120
        Width = 1560
        Height = 885
        Caption = "Peso IMPULSI"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 301
        Bit = 6
        Align = 0
        Uni = ""
        Enum = 6
        Size = 0
    End
    Begin Command1 CommandButton
        Left = 3600
        Top = 240
        Width = 1335
        Height = 615
        Caption = "Ok"
        Closes = true
    End
End
