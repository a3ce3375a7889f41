#!/usr/bin/env bash
# Fails when a file includes from a layer above its own: app over grid over
# platform (tools sit beside app and use platform only).
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
check() {
    local layer=$1 forbidden=$2
    local found
    found=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($forbidden)/" "$layer" || true)
    if [ -n "$found" ]; then
        echo "$layer/ includes from a layer above it:" >&2
        echo "$found" >&2
        status=1
    fi
}
check platform 'grid|app|tools'
check grid 'app|tools'
check tools 'grid|app'
[ $status -eq 0 ] && echo "layers: every include points downwards"
exit $status
