Form Generale
    Caption = "Test controlli serie nimbo"
    ClientWidth = 4500
    ClientHeight = 3000
    StartUpPosition = 2
    Begin Label1 VB.Label
        Left = 158
        Top = 292
        Width = 1508
        Height = 367
        Caption = "Led1 visualizza # il bit"
        Enabled = false
    End
    Begin Text1 TextBox
        Left = 1500
        Top = 900
        Text = "Text1"
        Locked = true
        MaxLength = 8
        PasswordChar = "*"
    End
    Begin Command1 CommandButton
        Left = -1500
        Top = 1800
        Caption = "clicca.."
        Default = true
        Visible = false
    End
End
