# Each form naming a module nobody registered left an empty module behind
# for the life of the process: memory grew with every distinct name.
Form F
    Icon = nosuchmodule:1
End
