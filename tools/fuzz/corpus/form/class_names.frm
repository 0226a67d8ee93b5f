# The same controls named by programmatic and class identifier.
Form Names
    ClientWidth = 3000
    ClientHeight = 2000
    Begin L1 LED.LedCtrl.1
        Plc = 2
        Led = 3
    End
    Begin L2 {2B1E7A11-5C3D-4A8B-8E21-330F6B020002}
        Width = 0
        Height = 0
    End
    Begin B1 zembarlib.zembar
        Min = 100
        Max = 0
        Value = -5
    End
End
