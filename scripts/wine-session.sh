# Sourced: a private X display and Wine's services for one script, both
# ended when the script exits.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"

tarvik_end_session() {
  wineserver -k >/dev/null 2>&1 || true
  tarvik_stop_display
}

tarvik_start_session() {
  trap tarvik_end_session EXIT
  tarvik_start_display || return 1
  tarvik_wine_services
}
