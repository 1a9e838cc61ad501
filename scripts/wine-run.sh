#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's settings; CTest
# uses it as the emulator of the Windows build.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
tarvik_wine_services
exec wine "$@"
