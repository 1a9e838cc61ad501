# Sourced by package.sh: writes the demo configuration to the given path.
# The maker is a Windows program, so it runs under Wine in the build's prefix.
package_demo_config() {
  local out="$1"
  (
    source "$root/scripts/wine-env.sh"
    tarvik_wine_prefix
    cd "$(dirname "$out")"
    wine "$root/build/windows/bin/make_demo_config.exe" "$(basename "$out")" >/dev/null
  )
  test -s "$out"
}
