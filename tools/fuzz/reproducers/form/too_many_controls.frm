# 255 servers: each holds a register image of its own, so a form of
# hundreds took seconds and hundreds of megabytes to build.
Form F
Begin S0 NIMBOLib.Nimbo
End
Begin S1 NIMBOLib.Nimbo
End
Begin S2 NIMBOLib.Nimbo
End
Begin S3 NIMBOLib.Nimbo
End
Begin S4 NIMBOLib.Nimbo
End
Begin S5 NIMBOLib.Nimbo
End
Begin S6 NIMBOLib.Nimbo
End
Begin S7 NIMBOLib.Nimbo
End
Begin S8 NIMBOLib.Nimbo
End
Begin S9 NIMBOLib.Nimbo
End
Begin S10 NIMBOLib.Nimbo
End
Begin S11 NIMBOLib.Nimbo
End
Begin S12 NIMBOLib.Nimbo
End
Begin S13 NIMBOLib.Nimbo
End
Begin S14 NIMBOLib.Nimbo
End
Begin S15 NIMBOLib.Nimbo
End
Begin S16 NIMBOLib.Nimbo
End
Begin S17 NIMBOLib.Nimbo
End
Begin S18 NIMBOLib.Nimbo
End
Begin S19 NIMBOLib.Nimbo
End
Begin S20 NIMBOLib.Nimbo
End
Begin S21 NIMBOLib.Nimbo
End
Begin S22 NIMBOLib.Nimbo
End
Begin S23 NIMBOLib.Nimbo
End
Begin S24 NIMBOLib.Nimbo
End
Begin S25 NIMBOLib.Nimbo
End
Begin S26 NIMBOLib.Nimbo
End
Begin S27 NIMBOLib.Nimbo
End
Begin S28 NIMBOLib.Nimbo
End
Begin S29 NIMBOLib.Nimbo
End
Begin S30 NIMBOLib.Nimbo
End
Begin S31 NIMBOLib.Nimbo
End
Begin S32 NIMBOLib.Nimbo
End
Begin S33 NIMBOLib.Nimbo
End
Begin S34 NIMBOLib.Nimbo
End
Begin S35 NIMBOLib.Nimbo
End
Begin S36 NIMBOLib.Nimbo
End
Begin S37 NIMBOLib.Nimbo
End
Begin S38 NIMBOLib.Nimbo
End
Begin S39 NIMBOLib.Nimbo
End
Begin S40 NIMBOLib.Nimbo
End
Begin S41 NIMBOLib.Nimbo
End
Begin S42 NIMBOLib.Nimbo
End
Begin S43 NIMBOLib.Nimbo
End
Begin S44 NIMBOLib.Nimbo
End
Begin S45 NIMBOLib.Nimbo
End
Begin S46 NIMBOLib.Nimbo
End
Begin S47 NIMBOLib.Nimbo
End
Begin S48 NIMBOLib.Nimbo
End
Begin S49 NIMBOLib.Nimbo
End
Begin S50 NIMBOLib.Nimbo
End
Begin S51 NIMBOLib.Nimbo
End
Begin S52 NIMBOLib.Nimbo
End
Begin S53 NIMBOLib.Nimbo
End
Begin S54 NIMBOLib.Nimbo
End
Begin S55 NIMBOLib.Nimbo
End
Begin S56 NIMBOLib.Nimbo
End
Begin S57 NIMBOLib.Nimbo
End
Begin S58 NIMBOLib.Nimbo
End
Begin S59 NIMBOLib.Nimbo
End
Begin S60 NIMBOLib.Nimbo
End
Begin S61 NIMBOLib.Nimbo
End
Begin S62 NIMBOLib.Nimbo
End
Begin S63 NIMBOLib.Nimbo
End
Begin S64 NIMBOLib.Nimbo
End
Begin S65 NIMBOLib.Nimbo
End
Begin S66 NIMBOLib.Nimbo
End
Begin S67 NIMBOLib.Nimbo
End
Begin S68 NIMBOLib.Nimbo
End
Begin S69 NIMBOLib.Nimbo
End
Begin S70 NIMBOLib.Nimbo
End
Begin S71 NIMBOLib.Nimbo
End
Begin S72 NIMBOLib.Nimbo
End
Begin S73 NIMBOLib.Nimbo
End
Begin S74 NIMBOLib.Nimbo
End
Begin S75 NIMBOLib.Nimbo
End
Begin S76 NIMBOLib.Nimbo
End
Begin S77 NIMBOLib.Nimbo
End
Begin S78 NIMBOLib.Nimbo
End
Begin S79 NIMBOLib.Nimbo
End
Begin S80 NIMBOLib.Nimbo
End
Begin S81 NIMBOLib.Nimbo
End
Begin S82 NIMBOLib.Nimbo
End
Begin S83 NIMBOLib.Nimbo
End
Begin S84 NIMBOLib.Nimbo
End
Begin S85 NIMBOLib.Nimbo
End
Begin S86 NIMBOLib.Nimbo
End
Begin S87 NIMBOLib.Nimbo
End
Begin S88 NIMBOLib.Nimbo
End
Begin S89 NIMBOLib.Nimbo
End
Begin S90 NIMBOLib.Nimbo
End
Begin S91 NIMBOLib.Nimbo
End
Begin S92 NIMBOLib.Nimbo
End
Begin S93 NIMBOLib.Nimbo
End
Begin S94 NIMBOLib.Nimbo
End
Begin S95 NIMBOLib.Nimbo
End
Begin S96 NIMBOLib.Nimbo
End
Begin S97 NIMBOLib.Nimbo
End
Begin S98 NIMBOLib.Nimbo
End
Begin S99 NIMBOLib.Nimbo
End
Begin S100 NIMBOLib.Nimbo
End
Begin S101 NIMBOLib.Nimbo
End
Begin S102 NIMBOLib.Nimbo
End
Begin S103 NIMBOLib.Nimbo
End
Begin S104 NIMBOLib.Nimbo
End
Begin S105 NIMBOLib.Nimbo
End
Begin S106 NIMBOLib.Nimbo
End
Begin S107 NIMBOLib.Nimbo
End
Begin S108 NIMBOLib.Nimbo
End
Begin S109 NIMBOLib.Nimbo
End
Begin S110 NIMBOLib.Nimbo
End
Begin S111 NIMBOLib.Nimbo
End
Begin S112 NIMBOLib.Nimbo
End
Begin S113 NIMBOLib.Nimbo
End
Begin S114 NIMBOLib.Nimbo
End
Begin S115 NIMBOLib.Nimbo
End
Begin S116 NIMBOLib.Nimbo
End
Begin S117 NIMBOLib.Nimbo
End
Begin S118 NIMBOLib.Nimbo
End
Begin S119 NIMBOLib.Nimbo
End
Begin S120 NIMBOLib.Nimbo
End
Begin S121 NIMBOLib.Nimbo
End
Begin S122 NIMBOLib.Nimbo
End
Begin S123 NIMBOLib.Nimbo
End
Begin S124 NIMBOLib.Nimbo
End
Begin S125 NIMBOLib.Nimbo
End
Begin S126 NIMBOLib.Nimbo
End
Begin S127 NIMBOLib.Nimbo
End
Begin S128 NIMBOLib.Nimbo
End
Begin S129 NIMBOLib.Nimbo
End
Begin S130 NIMBOLib.Nimbo
End
Begin S131 NIMBOLib.Nimbo
End
Begin S132 NIMBOLib.Nimbo
End
Begin S133 NIMBOLib.Nimbo
End
Begin S134 NIMBOLib.Nimbo
End
Begin S135 NIMBOLib.Nimbo
End
Begin S136 NIMBOLib.Nimbo
End
Begin S137 NIMBOLib.Nimbo
End
Begin S138 NIMBOLib.Nimbo
End
Begin S139 NIMBOLib.Nimbo
End
Begin S140 NIMBOLib.Nimbo
End
Begin S141 NIMBOLib.Nimbo
End
Begin S142 NIMBOLib.Nimbo
End
Begin S143 NIMBOLib.Nimbo
End
Begin S144 NIMBOLib.Nimbo
End
Begin S145 NIMBOLib.Nimbo
End
Begin S146 NIMBOLib.Nimbo
End
Begin S147 NIMBOLib.Nimbo
End
Begin S148 NIMBOLib.Nimbo
End
Begin S149 NIMBOLib.Nimbo
End
Begin S150 NIMBOLib.Nimbo
End
Begin S151 NIMBOLib.Nimbo
End
Begin S152 NIMBOLib.Nimbo
End
Begin S153 NIMBOLib.Nimbo
End
Begin S154 NIMBOLib.Nimbo
End
Begin S155 NIMBOLib.Nimbo
End
Begin S156 NIMBOLib.Nimbo
End
Begin S157 NIMBOLib.Nimbo
End
Begin S158 NIMBOLib.Nimbo
End
Begin S159 NIMBOLib.Nimbo
End
Begin S160 NIMBOLib.Nimbo
End
Begin S161 NIMBOLib.Nimbo
End
Begin S162 NIMBOLib.Nimbo
End
Begin S163 NIMBOLib.Nimbo
End
Begin S164 NIMBOLib.Nimbo
End
Begin S165 NIMBOLib.Nimbo
End
Begin S166 NIMBOLib.Nimbo
End
Begin S167 NIMBOLib.Nimbo
End
Begin S168 NIMBOLib.Nimbo
End
Begin S169 NIMBOLib.Nimbo
End
Begin S170 NIMBOLib.Nimbo
End
Begin S171 NIMBOLib.Nimbo
End
Begin S172 NIMBOLib.Nimbo
End
Begin S173 NIMBOLib.Nimbo
End
Begin S174 NIMBOLib.Nimbo
End
Begin S175 NIMBOLib.Nimbo
End
Begin S176 NIMBOLib.Nimbo
End
Begin S177 NIMBOLib.Nimbo
End
Begin S178 NIMBOLib.Nimbo
End
Begin S179 NIMBOLib.Nimbo
End
Begin S180 NIMBOLib.Nimbo
End
Begin S181 NIMBOLib.Nimbo
End
Begin S182 NIMBOLib.Nimbo
End
Begin S183 NIMBOLib.Nimbo
End
Begin S184 NIMBOLib.Nimbo
End
Begin S185 NIMBOLib.Nimbo
End
Begin S186 NIMBOLib.Nimbo
End
Begin S187 NIMBOLib.Nimbo
End
Begin S188 NIMBOLib.Nimbo
End
Begin S189 NIMBOLib.Nimbo
End
Begin S190 NIMBOLib.Nimbo
End
Begin S191 NIMBOLib.Nimbo
End
Begin S192 NIMBOLib.Nimbo
End
Begin S193 NIMBOLib.Nimbo
End
Begin S194 NIMBOLib.Nimbo
End
Begin S195 NIMBOLib.Nimbo
End
Begin S196 NIMBOLib.Nimbo
End
Begin S197 NIMBOLib.Nimbo
End
Begin S198 NIMBOLib.Nimbo
End
Begin S199 NIMBOLib.Nimbo
End
Begin S200 NIMBOLib.Nimbo
End
Begin S201 NIMBOLib.Nimbo
End
Begin S202 NIMBOLib.Nimbo
End
Begin S203 NIMBOLib.Nimbo
End
Begin S204 NIMBOLib.Nimbo
End
Begin S205 NIMBOLib.Nimbo
End
Begin S206 NIMBOLib.Nimbo
End
Begin S207 NIMBOLib.Nimbo
End
Begin S208 NIMBOLib.Nimbo
End
Begin S209 NIMBOLib.Nimbo
End
Begin S210 NIMBOLib.Nimbo
End
Begin S211 NIMBOLib.Nimbo
End
Begin S212 NIMBOLib.Nimbo
End
Begin S213 NIMBOLib.Nimbo
End
Begin S214 NIMBOLib.Nimbo
End
Begin S215 NIMBOLib.Nimbo
End
Begin S216 NIMBOLib.Nimbo
End
Begin S217 NIMBOLib.Nimbo
End
Begin S218 NIMBOLib.Nimbo
End
Begin S219 NIMBOLib.Nimbo
End
Begin S220 NIMBOLib.Nimbo
End
Begin S221 NIMBOLib.Nimbo
End
Begin S222 NIMBOLib.Nimbo
End
Begin S223 NIMBOLib.Nimbo
End
Begin S224 NIMBOLib.Nimbo
End
Begin S225 NIMBOLib.Nimbo
End
Begin S226 NIMBOLib.Nimbo
End
Begin S227 NIMBOLib.Nimbo
End
Begin S228 NIMBOLib.Nimbo
End
Begin S229 NIMBOLib.Nimbo
End
Begin S230 NIMBOLib.Nimbo
End
Begin S231 NIMBOLib.Nimbo
End
Begin S232 NIMBOLib.Nimbo
End
Begin S233 NIMBOLib.Nimbo
End
Begin S234 NIMBOLib.Nimbo
End
Begin S235 NIMBOLib.Nimbo
End
Begin S236 NIMBOLib.Nimbo
End
Begin S237 NIMBOLib.Nimbo
End
Begin S238 NIMBOLib.Nimbo
End
Begin S239 NIMBOLib.Nimbo
End
Begin S240 NIMBOLib.Nimbo
End
Begin S241 NIMBOLib.Nimbo
End
Begin S242 NIMBOLib.Nimbo
End
Begin S243 NIMBOLib.Nimbo
End
Begin S244 NIMBOLib.Nimbo
End
Begin S245 NIMBOLib.Nimbo
End
Begin S246 NIMBOLib.Nimbo
End
Begin S247 NIMBOLib.Nimbo
End
Begin S248 NIMBOLib.Nimbo
End
Begin S249 NIMBOLib.Nimbo
End
Begin S250 NIMBOLib.Nimbo
End
Begin S251 NIMBOLib.Nimbo
End
Begin S252 NIMBOLib.Nimbo
End
Begin S253 NIMBOLib.Nimbo
End
Begin S254 NIMBOLib.Nimbo
End
End
