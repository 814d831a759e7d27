#!/usr/bin/env python3
"""Writes a large synthetic DBC file (default about 10 MB) for timing txtcvt-cli dbc."""
import sys

target = int(sys.argv[2]) if len(sys.argv) > 2 else 10_000_000
path = sys.argv[1] if len(sys.argv) > 1 else "big.dbc"
with open(path, "w", newline="\r\n") as out:
    out.write('VERSION ""\n\nNS_ :\n\tCM_\n\tVAL_\n\nBS_:\n\nBU_: ECU\n\n')
    size = 0
    message = 0
    tail = []
    while size < target:
        lines = [f"BO_ {message} Msg{message}: 8 ECU\n", " SG_ Mux M : 0|8@1+ (1,0) [0|255] \"\" ECU\n"]
        for s in range(16):
            lines.append(f" SG_ Sig{s} m{s % 4} : {8 + s * 3}|3@1+ (0.5,-1) [0|3.5] \"unit\" ECU\n")
        tail.append(f'VAL_ {message} Sig0 0 "zero" 1 "one" 2 "two" ;\n')
        tail.append(f"SIG_VALTYPE_ {message} Sig1 : 1;\n")
        tail.append(f"SG_MUL_VAL_ {message} Sig2 Mux 1-3, 5-5;\n")
        text = "".join(lines) + "\n"
        out.write(text)
        size += len(text) + 120
        message += 1
    out.write("".join(tail))
