#!/usr/bin/env bash
# Fails when a Windows executable imports a DLL that Windows itself does not ship: everything else must be linked in
# statically, so that the program runs with no DLL beside it.
#   check-imports.sh OBJDUMP EXE...
set -euo pipefail

readonly objdump=$1
shift

readonly system_dlls='^(kernel32|user32|gdi32|gdiplus|advapi32|shell32|shlwapi|ole32|oleaut32|comctl32|comdlg32|uxtheme|dwmapi|msimg32|version|wininet|wsock32|ws2_32|winmm|msvcrt|ntdll|imm32|winspool\.drv|rpcrt4|crypt32|bcrypt|secur32|usp10)(\.dll)?$'

status=0
for executable in "$@"; do
    while read -r dll; do
        if ! grep -qiE "$system_dlls" <<<"$dll"; then
            echo "$executable imports $dll, which Windows does not provide"
            status=1
        fi
    done < <("$objdump" -p "$executable" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
