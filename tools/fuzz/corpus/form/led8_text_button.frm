Form Small
    Begin R1 ZEMLED8Lib.ZemLed8
        Align = 7
        Led = -1
    End
    Begin T1 ZEMTEXTLib.ZemText
        CaptionOn = "ON"
        CaptionOff = "OFF"
        Bit = 31
    End
    Begin P1 ZEMBUTTONLib.ZemButton
        Button = 2
        Reg = 65535
    End
End
