# The demonstration window: one control of each kind on PLC 1.
Form Generale
    Caption = "Test controlli serie nimbo"
    ClientWidth = 7275
    ClientHeight = 7185
    StartUpPosition = default
    Begin Led1 LEDLib.Led
        Left = 3840
        Top = 360
        Width = 2520
        Height = 360
        Caption = "r(300).0 PLC =1"
        Plc = 1
        Reg = 300
        Bit = 0
        Align = 0
        Led = 1
    End
    Begin ZemLed81 ZEMLED8Lib.ZemLed8
        Left = 3840
        Top = 1440
        Width = 3360
        Height = 720
        Caption = "R(300).LLB"
        Plc = 1
        Reg = 20
        Bit = 0
        Align = 1
        Led = 0
    End
    Begin ZemButton1 ZEMBUTTONLib.ZemButton
        Left = 3840
        Top = 2640
        Width = 2520
        Height = 360
        Caption = "R(300).0 PLC=1"
        Plc = 1
        Reg = 300
        Bit = 0
        Align = 0
        Button = 0
    End
    Begin ZemText1 ZEMTEXTLib.ZemText
        Left = 3840
        Top = 3600
        Width = 2520
        Height = 360
        Plc = 1
        Reg = 300
        Bit = 0
        Align = 1
        CaptionOn = "BIT 0 R(300)=OFF"
        CaptionOff = "BIT 0 R(300)=ON"
    End
    Begin ZemBar1 ZEMBARLib.ZemBar
        Left = 4440
        Top = 4080
        Width = 1260
        Height = 2880
        Caption = "R(301)"
        Plc = 1
        Reg = 301
        Bit = 0
        Align = 1
        Min = 0
        Max = 100
    End
    Begin ZEMEDIT1 ZEMEDITLib.ZEMEDIT
        Left = 1680
        Top = 5520
        Width = 2535
        Height = 1290
        Caption = "jsdfjkasdhf"
        ForeColor = 65280          # green
        BackColor = 0              # black
        Plc = 1
        Reg = 301
        Bit = 6                    # the whole register
        Align = 0
        Uni = "C°"
        Enum = 3                   # 99999
        Size = 1                   # medium
    End
    Begin Nimbo1 NIMBOLib.Nimbo
        Left = 6240
        Top = 6480
        Width = 480
        Height = 480
        COM = 1
        Speed = 115200
        InternalTimer = 80
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
    Begin Text1 TextBox
        Left = 6000
        Top = 3960
        Width = 975
        Height = 285
        Text = "Text1"
    End
    Begin Command1 CommandButton
        Left = 5880
        Top = 4320
        Width = 1215
        Height = 495
        Caption = "clicca.."
    End
    Begin Label1 Label
        Left = 240
        Top = 240
        Width = 3375
        Height = 855
        Caption = "Led1 visualizza lo stato di un bit qualsiasi di un registro in un PLC -nell'esempio a fianco visualizza lo stato del bit 0 del registro 300 sul plc 1"
    End
    Begin Label2 Label
        Left = 240
        Top = 1320
        Width = 3375
        Height = 855
        Caption = "Led8 visualizza lo stato di un byte  qualsiasi di un registro in un PLC -nell'esempio a fianco visualizza lo stato del Byte LLB  del registro 300 sul plc 1"
    End
    Begin Label3 Label
        Left = 240
        Top = 2400
        Width = 3375
        Height = 855
        Caption = "Zem simple Button è sia un visualizzatore che un comando.Visualizza e cambia (pressione con il mouse) il bit di un quialsiasi registro di un PLC della rete .-Es R(300).0 PLC =1"
    End
    Begin Label4 Label
        Left = 240
        Top = 3360
        Width = 3375
        Height = 855
        Caption = "Zem simple text è una etichetta che visualizza due scritte in base allo stato di un bit di un registro di un PLC nella rete "
    End
    Begin Label5 Label
        Left = 240
        Top = 4320
        Width = 3375
        Height = 855
        Caption = "Zem bar è un controllo che visualizza il contenuto (long ) di un registro di un PLC nella RETE "
    End
    Begin Label6 Label
        Left = 240
        Top = 5520
        Width = 1335
        Height = 1575
        Caption = "ZemEdit è un controllo di visualizzazione che permette di preformattare il contenuto di un registro di un PLC "
    End
    Begin Label7 Label
        Left = 5880
        Top = 5040
        Width = 1215
        Height = 1335
        Caption = "Server Nimbo 1 server per ogni porta di comunicazione (al massimo ...)"
    End
End
