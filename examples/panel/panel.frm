# Two lamps on bits 0 and 1 of register 300 of PLC 1, and the server that
# polls registers 300 to 315 of PLC 1 on COM1.
Form Panel
    Caption = "Panel"
    ClientWidth = 3240
    ClientHeight = 1560
    Begin Lamp1 LEDLib.Led
        Left = 240
        Top = 240
        Width = 2520
        Height = 360
        Caption = "Pompa"
        Plc = 1
        Reg = 300
        Bit = 0
    End
    Begin Lamp2 LEDLib.Led
        Left = 240
        Top = 840
        Width = 2520
        Height = 360
        Caption = "Allarme"
        Plc = 1
        Reg = 300
        Bit = 1
        Led = 1
    End
    Begin Server NIMBOLib.Nimbo
        Left = 2760
        Top = 960
        Width = 480
        Height = 480
        COM = 1
        Speed = 115200
        InternalTimer = 50
        PlcEnabled1 = 1
        PlcStart1 = 300
        PlcStop1 = 315
    End
End
