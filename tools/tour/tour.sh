#!/usr/bin/env bash
# A screenshot tour of the reader on the offline demo, in English, German,
# Arabic and Simplified Chinese, and in English with the dark theme and with
# the text at 150 %:
#
#   tools/tour/tour.sh OUT_DIR
#
# Starts the demo site (with the version service) and apertium-apy on free
# loopback ports, lays out a demo application folder, and runs
# tessolin-tour for each language under a virtual X server with settings of
# its own. Build first (cmake --build --preset release).
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: tools/tour/tour.sh OUT_DIR" >&2
    exit 2
fi
repo="$(cd "$(dirname "$0")/../.." && pwd)"
mkdir -p "$1"
out="$(cd "$1" && pwd)"
build="$repo/build/release"
tour="$build/tools/tour/tessolin-tour"
for program in "$tour" "$build/src/app/tessolin" "$build/tools/updateserver/tessolin-update-server" \
    "$build/tools/profile/tessolin-profile"; do
    if [ ! -x "$program" ]; then
        echo "tour: $program is missing (build first)" >&2
        exit 1
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

port_in_use() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
free_port() {
    local port
    for _ in $(seq 100); do
        port=$(shuf -i 20000-60000 -n 1)
        if ! port_in_use "$port"; then echo "$port"; return 0; fi
    done
    return 1
}

"$build/tools/updateserver/tessolin-update-server" --site "$repo/tools/demosite/site" 0 \
    "$build/src/app/conf/profile" >"$work/server.port" 2>"$work/server.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/server.port" ] && break
    sleep 0.1
done
site_port=$(head -n 1 "$work/server.port")
if [ -z "$site_port" ]; then
    echo "tour: the demo server did not start:" >&2
    cat "$work/server.log" >&2
    exit 1
fi

engine_port=$(free_port)
if command -v apertium-apy >/dev/null; then
    apertium-apy -p "$engine_port" /usr/share/apertium/modes >"$work/apertium.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 150); do
        port_in_use "$engine_port" && break
        sleep 0.2
    done
    port_in_use "$engine_port" || echo "tour: apertium-apy did not start; no translation" >&2
else
    echo "tour: apertium-apy is not installed; no translation" >&2
fi

site_url="http://127.0.0.1:$site_port"
"$repo/scripts/demo-setup" "$build/src/app" "$work/app" "$site_url" "$engine_port" \
    "$build/tools/profile/tessolin-profile"

for language in en de ar zh_CN; do
    settings="$work/settings-$language"
    mkdir -p "$settings"
    XDG_CONFIG_HOME="$settings" XDG_DATA_HOME="$settings/data" TESSOLIN_APP_DIR= \
        xvfb-run -a -s "-screen 0 1280x800x24" \
        "$tour" "$out" "$language" "$work/app" "$site_url"
done

# English again in the other looks: dark, and both themes with larger text.
for look in dark:100 light:150 dark:150; do
    settings="$work/settings-en-${look/:/-}"
    mkdir -p "$settings"
    XDG_CONFIG_HOME="$settings" XDG_DATA_HOME="$settings/data" TESSOLIN_APP_DIR= \
        TESSOLIN_TOUR_THEME="${look%%:*}" TESSOLIN_TOUR_TEXT="${look##*:}" \
        xvfb-run -a -s "-screen 0 1280x800x24" \
        "$tour" "$out" en "$work/app" "$site_url"
done
