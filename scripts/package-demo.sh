# Sourced by package.sh: writes the demo configuration to the given path from
# its text. The Windows build's tarvik-cfg.exe writes it under Wine, so the
# packaged file is what a Windows user's own copy of the tool would write.
package_demo_config() {
  local out="$1"
  (
    source "$root/scripts/wine-env.sh"
    tarvik_wine_prefix
    cd "$(dirname "$out")"
    wine "$root/build/windows/bin/tarvik-cfg.exe" write "$root/tools/demo_config/demo.txt" \
      -o "$(basename "$out")" >/dev/null
  )
  test -s "$out"
}
