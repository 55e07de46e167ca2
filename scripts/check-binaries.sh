#!/usr/bin/env bash
# Checks a Windows build's programs: the expected machine type, the GUI
# subsystem for the program, and imports of system DLLs only (everything of
# mingw and zlib linked in statically).
# Usage: check-binaries.sh BUILD_DIR "Intel 80386"|"x86-64"
set -uo pipefail
build=$1
machine=$2
objdump=x86_64-w64-mingw32-objdump
status=0
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|olepro32|uuid|advapi32|shell32|shlwapi|ws2_32|wininet|msimg32|uxtheme|dwmapi|urlmon|winmm|version|imm32|msvcrt|hhctrl|ntdll|api-ms-win-[a-z0-9-]+)\.dll$'
programs=$(find "$build" -name '*.exe' -not -path '*/googletest/*' -not -path '*/wineprefix/*' -not -path '*/CMakeFiles/*')
[ -n "$programs" ] || { echo "check: no programs in $build"; exit 1; }
for exe in $programs; do
  fmt=$(file -b "$exe")
  case "$fmt" in
    *"$machine"*) ;;
    *) echo "check: $exe is not $machine: $fmt"; status=1 ;;
  esac
  for dll in $($objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}'); do
    if ! grep -qE "$allowed" <<<"$dll"; then
      echo "check: $exe imports $dll, which does not come with Windows"
      status=1
    fi
  done
done
podreel=$(find "$build" -name podreel.exe | head -1)
if [ -z "$podreel" ]; then
  echo "check: no podreel.exe in $build"; status=1
elif ! file -b "$podreel" | grep -q '(GUI)'; then
  echo "check: podreel.exe is not a GUI program"; status=1
fi
[ $status = 0 ] && echo "check: $(wc -w <<<"$programs") programs in $build are $machine and import system DLLs only"
exit $status
