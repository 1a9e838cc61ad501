# Sourced: the Wine settings every Tarvik run and test uses. A private
# prefix inside the build tree, no debug chatter, no Mono/Gecko prompts.
_tarvik_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${TARVIK_WINEPREFIX:-$_tarvik_root/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

tarvik_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tarvik-ready-2" ]; then
      wineboot --init >/dev/null 2>&1 || true
      # Without a window manager every hidden top-level window would stall
      # about two seconds; let Wine manage its own windows.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      # A crashing test must end, not wait behind the debugger's dialog.
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.tarvik-ready-2"
    fi
  ) 9>"$(dirname "$WINEPREFIX")/.wineprefix.lock"
}

# Starts a persistent wineserver and Wine's own services with their output
# detached. Services started later by a test would inherit the test's output
# pipe and keep CTest waiting for it long after the test has ended.
tarvik_wine_services() {
  if [ -n "${TARVIK_WINE_WARM:-}" ]; then return; fi
  tarvik_wine_prefix
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  export TARVIK_WINE_WARM=1
}
