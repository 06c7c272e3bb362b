# Test fixture: makes the Wine prefix that every end-to-end test of this run reuses, and checks
# that the inspection helper runs in it.
source "$(dirname "$0")/../../scripts/wine-session.sh"
ws_start
ws_prefix_create --for-tests || { echo "FAIL: cannot make the Wine prefix" >&2; exit 1; }
ws_probe windows >/dev/null || { echo "FAIL: probe.exe does not run in the prefix" >&2; exit 1; }
echo "ok: Wine prefix $WS_PREFIX"
