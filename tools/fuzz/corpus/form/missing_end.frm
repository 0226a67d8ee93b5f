Form Open
    Caption = "open
    Begin L1 Label
        Caption = "x"
    Begin L2 Label
    End
