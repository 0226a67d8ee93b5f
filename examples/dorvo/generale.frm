# The generator-set panel's main window: live values of PLC 1, run by
# nimbo-panel with no code: the form registers its displays with its server,
# starts it, and its buttons open the other two windows.
# Colours: 65280 green, 255 red, 0 black; 2147483663 and 2147483666 the
# system's button face and button text.

Form generale
    Caption = "Dorvo Gruppi Elettrogeni"
    ClientWidth = 8820
    ClientHeight = 6030
    StartUpPosition = center
    Server = "Nimbo1"
    RegisterClients = true
    StartServer = true
    Begin ZEMEDIT5 ZEMEDITLib.ZEMEDIT
        Left = 0
        Top = 0
        Width = 3570
        Height = 1290
        Caption = "CONTATORE KW PRODOTTE"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 311
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 1
    End
    Begin ZEMEDIT10 ZEMEDITLib.ZEMEDIT
        Left = 3600
        Top = 0
        Width = 2535
        Height = 1290
        Caption = "KW Istant."
        ForeColor = 255
        BackColor = 0
        Plc = 1
        Reg = 329
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 11
        Size = 1
    End
    Begin ZEMEDIT11 ZEMEDITLib.ZEMEDIT
        Left = 6240
        Top = 0
        Width = 2535
        Height = 1290
        Caption = "Pot. Istant."
        ForeColor = 255
        BackColor = 0
        Plc = 1
        Reg = 328
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 11
        Size = 1
    End
    Begin ZEMEDIT1 ZEMEDITLib.ZEMEDIT
        Left = 120
        Top = 1440
        Width = 1920
        Height = 885
        Caption = "KW C.Mensile F1"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 330
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT2 ZEMEDITLib.ZEMEDIT
        Left = 120
        Top = 2400
        Width = 1920
        Height = 885
        Caption = "KW C.Mensile F2"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 331
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT3 ZEMEDITLib.ZEMEDIT
        Left = 120
        Top = 3360
        Width = 1920
        Height = 885
        Caption = "KW C.Mensile F3"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 332
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT4 ZEMEDITLib.ZEMEDIT
        Left = 120
        Top = 4320
        Width = 1920
        Height = 885
        Caption = "KW C.Mensile F4"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 333
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT6 ZEMEDITLib.ZEMEDIT
        Left = 2160
        Top = 1440
        Width = 1920
        Height = 885
        Caption = "Picco di Fascia F1"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 334
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT7 ZEMEDITLib.ZEMEDIT
        Left = 2160
        Top = 2400
        Width = 1920
        Height = 885
        Caption = "Picco di Fascia F2"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 335
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT8 ZEMEDITLib.ZEMEDIT
        Left = 2160
        Top = 3360
        Width = 1920
        Height = 885
        Caption = "Picco di Fascia F3"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 336
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZEMEDIT9 ZEMEDITLib.ZEMEDIT
        Left = 2160
        Top = 4320
        Width = 1920
        Height = 885
        Caption = "Picco di Fascia F4"
        ForeColor = 65280
        BackColor = 0
        Plc = 1
        Reg = 337
        Bit = 6
        Align = 0
        Uni = "Kw"
        Enum = 14
        Size = 0
    End
    Begin ZemBar1 ZEMBARLib.ZemBar
        Left = 4560
        Top = 1800
        Width = 1260
        Height = 2880
        Caption = "GASOLIO"
        ForeColor = 255
        BackColor = 2147483663
        Plc = 1
        Reg = 326
        Bit = 0
        Align = 1
        Min = 0
        Max = 1000
    End
    Begin Led1 LEDLib.Led
        Left = 6240
        Top = 1320
        Width = 2520
        Height = 360
        Caption = "Allarme 1"
        ForeColor = 2147483666
        BackColor = 2147483663
        Plc = 1
        Reg = 327
        Bit = 0
        Align = 0
        Led = 1
    End
    Begin Led2 LEDLib.Led
        Left = 6240
        Top = 1920
        Width = 2520
        Height = 360
        Caption = "Allarme 2"
        ForeColor = 2147483666
        BackColor = 2147483663
        Plc = 1
        Reg = 327
        Bit = 1
        Align = 0
        Led = 1
    End
    Begin Led3 LEDLib.Led
        Left = 6240
        Top = 2520
        Width = 2520
        Height = 360
        Caption = "Allarme 3"
        ForeColor = 2147483666
        BackColor = 2147483663
        Plc = 1
        Reg = 327
        Bit = 2
        Align = 0
        Led = 1
    End
    Begin Led4 LEDLib.Led
        Left = 6240
        Top = 3120
        Width = 2520
        Height = 360
        Caption = "Allarme 4"
        ForeColor = 2147483666
        BackColor = 2147483663
        Plc = 1
        Reg = 327
        Bit = 3
        Align = 0
        Led = 1
    End
    Begin Led5 LEDLib.Led
        Left = 6240
        Top = 3720
        Width = 2520
        Height = 360
        Caption = "Allarme 5"
        ForeColor = 2147483666
        BackColor = 2147483663
        Plc = 1
        Reg = 327
        Bit = 4
        Align = 0
        Led = 1
    End
    Begin Led6 LEDLib.Led
        Left = 6240
        Top = 4320
        Width = 2520
        Height = 360
        Caption = "Allarme 6"
        ForeColor = 2147483666
        BackColor = 2147483663
        Plc = 1
        Reg = 327
        Bit = 5
        Align = 0
        Led = 1
    End
    Begin Led7 LEDLib.Led
        Left = 6240
        Top = 4920
        Width = 2520
        Height = 360
        Caption = "Allarme 7"
        ForeColor = 2147483666
        BackColor = 2147483663
        Plc = 1
        Reg = 327
        Bit = 6
        Align = 0
        Led = 1
    End
    Begin Led8 LEDLib.Led
        Left = 6240
        Top = 5520
        Width = 2520
        Height = 360
        Caption = "Allarme 8"
        ForeColor = 2147483666
        BackColor = 2147483663
        Plc = 1
        Reg = 327
        Bit = 7
        Align = 0
        Led = 1
    End
    Begin Nimbo1 NIMBOLib.Nimbo
        Left = 5040
        Top = 5400
        Width = 480
        Height = 480
        COM = 3
        Speed = 9600
        InternalTimer = 100
        Password = ""
        ModemInit = "AT&W1"
        ModemTest = "AT"
        ModemDisconnect = "AT++"
        ModemNumber = ""
        Modem = false
        PlcEnabled1 = 1
        PlcStart1 = 300
        PlcStop1 = 364
    End
    Begin Command1 CommandButton
        Left = 120
        Top = 5400
        Width = 2295
        Height = 495
        Caption = "Costanti"
        Opens = "costanti"
    End
    Begin Command2 CommandButton
        Left = 2520
        Top = 5400
        Width = 2295
        Height = 495
        Caption = "Storico"
        Opens = "storico"
    End
End
