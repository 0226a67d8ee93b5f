Form F   # the form
  Caption = "a # b \" c"  # not part of it
  StartUpPosition = "center"
  Icon = "dorvo:1"
End
