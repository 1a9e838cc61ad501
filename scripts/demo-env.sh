# Sourced by the demos: builds Tarvik, starts a private display and Wine
# with both virtual DLLs, and writes the demo configuration into a fresh
# directory build/<name>, which becomes the current one. Afterwards $root,
# $bin and the helpers vc (one vcctl command, quiet) and press (one button
# pressed and let go) are there.
#
#     source scripts/demo-env.sh NAME
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin="$root/build/windows/bin"

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" windows

source "$root/scripts/wine-session.sh"
tarvik_start_session
export WINEDLLOVERRIDES="mscoree,mshtml=;dinput8,xinput1_4=n,b"

demo="$root/build/$1"
rm -rf "$demo"
mkdir -p "$demo"
cd "$demo"
wine "$bin/tarvik-cfg.exe" write "$root/tools/demo_config/demo.txt" -o tarvik7.cfg

vc() { wine "$bin/vcctl.exe" "$@" >/dev/null; }
press() {
  vc button "$1" down
  sleep 0.15
  vc button "$1" up
  sleep 0.15
}
