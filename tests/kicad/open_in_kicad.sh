#!/bin/bash
# Opens every sheet of the example design's KiCad project in KiCad 6's schematic editor under
# Xvfb and keeps a screenshot of each. Fails when a window other than the editor's own shows up
# (an error or warning dialog), or when the editor does not show the sheet.
# Usage: open_in_kicad.sh ZORVAN_IMPORT DESIGN.sch OUTPUT_DIR
# Exit 77 (skipped) when eeschema, xvfb-run, xdotool or import (ImageMagick) is missing.
set -u
command=$1 design=$2 out=$3
for tool in eeschema xvfb-run xdotool import; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
rm -rf "$out" && mkdir -p "$out"
ZORVAN_DIALOGS=batch "$command" --kicad-only -o "$out/workspace" "$design" >"$out/import.log" 2>&1
project="$out/workspace/kicad"
ls "$project"/*.kicad_sch >/dev/null 2>&1 || { echo "no sheet exported"; cat "$out/import.log"; exit 1; }

# A fresh profile: with kicad_common.json and empty global library tables no first-run dialog
# appears.
profile="$out/profile/kicad/6.0"
mkdir -p "$profile"
echo '{}' >"$profile/kicad_common.json"
printf '(sym_lib_table\n)\n' >"$profile/sym-lib-table"
printf '(fp_lib_table\n)\n' >"$profile/fp-lib-table"

cat >"$out/open-one.sh" <<'INNER'
#!/bin/bash
# Runs inside Xvfb: opens one sheet, waits for the editor's window, lists the windows shown.
sheet=$1 shot=$2 windows=$3
eeschema "$sheet" >"$shot.log" 2>&1 &
pid=$!
name=$(basename "$sheet" .kicad_sch)
for _ in $(seq 1 60); do
    sleep 1
    xdotool search --onlyvisible --name "Schematic Editor" >/dev/null 2>&1 && break
done
sleep 3
xdotool search --onlyvisible --name '.' 2>/dev/null | while read -r id; do
    xdotool getwindowname "$id"
done | sort -u >"$windows"
import -window root "$shot"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit 0
INNER
chmod +x "$out/open-one.sh"

status=0
for sheet in "$project"/*.kicad_sch; do
    name=$(basename "$sheet" .kicad_sch)
    HOME="$out/profile-home" XDG_CONFIG_HOME="$out/profile" \
        timeout 120 xvfb-run -a -s "-screen 0 1600x1000x24" \
        "$out/open-one.sh" "$sheet" "$out/$name.png" "$out/$name.windows"
    main="^$name \[.*\] — Schematic Editor\$"
    if ! grep -q "$main" "$out/$name.windows"; then
        echo "FAIL $name: the schematic editor did not show it"; cat "$out/$name.windows"; status=1
    elif grep -v -e "$main" -e "^\$" "$out/$name.windows" | grep -q .; then
        echo "FAIL $name: another window showed up:"; grep -v "$main" "$out/$name.windows"; status=1
    else
        echo "ok   $name (screenshot $out/$name.png)"
    fi
done
exit $status
