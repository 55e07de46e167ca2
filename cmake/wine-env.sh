# Sourced: the environment every Wine run of a build uses.
# Code page 936 (zh_CN.UTF-8), no .NET prompt, quiet Wine, the prefix in the build tree.
_build=$(cd "$1" && pwd)
export WINEPREFIX="$_build/wineprefix"
export WINEDLLOVERRIDES="${KINOPOD_WINEDLLOVERRIDES:-mscoree=}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
KINOPOD_WINE=/usr/lib/wine/wine64
KINOPOD_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$KINOPOD_WINE" ] || KINOPOD_WINE=$(command -v wine64 || command -v wine)
[ -x "$KINOPOD_WINESERVER" ] || KINOPOD_WINESERVER=$(command -v wineserver)
if [ -s "$_build/harness/display" ]; then
  export DISPLAY=":$(cat "$_build/harness/display")"
fi
export KINOPOD_WINE KINOPOD_WINESERVER
