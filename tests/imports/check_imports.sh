#!/usr/bin/env bash
# Fails when an executable imports from a DLL that Windows does not always load
# from its own system folder. Any other DLL could be picked up from beside the
# executable (a Downloads folder, say): such DLLs are loaded at run time by full
# path instead.
#   check_imports.sh OBJDUMP EXE
set -euo pipefail
objdump=$1
exe=$2

allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|msvcrt|comdlg32|shlwapi|ws2_32|rpcrt4|imm32)\.dll$'

mapfile -t dlls < <("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ ${#dlls[@]} -gt 0 ] || { echo "no imports found in $exe"; exit 1; }

bad=0
for dll in "${dlls[@]}"; do
  if [[ "$dll" =~ $allowed ]]; then
    echo "ok      $dll"
  else
    echo "UNSAFE  $dll (not a KnownDLL: load it by full path from the system folder)"
    bad=1
  fi
done
exit $bad
