Form Bad
    Begin Led1 LEDLib.Led
        plc = 1
        Colour = 3
    End
End
