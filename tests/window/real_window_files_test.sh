#!/bin/sh
# The window's file actions on a real X server of its own, driven by real keys: Ctrl+O opens
# another folder through the folder dialog and 読出し reads it; Ctrl+I takes in a gzip packed
# PCF font, a BDF font, a C table and a PNG sheet, each as one step that Ctrl+Z takes back,
# unsaved and written nowhere; Ctrl+E writes .c, .bdf, .bin and .png files that fontedit-cli
# import reads back to the same glyphs; a tip names the file 保存 wrote, and goes by itself.
# Usage: real_window_files_test.sh FONTEDIT FONTEDIT-CLI SAMPLE_DIR
set -eu
. "$(dirname "$0")/x11_session.sh"
on_own_x_server "$0" "$@"

program=$(realpath "$1")
cli=$(realpath "$2")
sample=$(realpath "$3")
workdir=$(mktemp -d)
export HOME="$workdir" XDG_CONFIG_HOME="$workdir/config" XDG_STATE_HOME="$workdir/state"
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

mkdir "$workdir/start" "$workdir/font" "$workdir/out"
cp "$sample/fntdat.txt" "$sample/mojidat.txt" "$workdir/font/"
# The files to take in hold another font than the one the window reads.
pcf=/usr/share/fonts/X11/misc/5x8.pcf.gz
"$cli" import "$pcf" "$workdir/other" 2>/dev/null
for format in bdf c png; do
    "$cli" export --format "$format" -o "$workdir/in.$format" "$workdir/other"
done
"$cli" export --format bin -o "$workdir/font.bin" "$workdir/font"

# The 一覧 panel's overview of all 96 glyphs, which tells fonts apart.
window_image() {
    import -window "$window" -crop 330x180+382+16 +repage "$workdir/$1.png"
}

same_images() {
    compare -metric AE "$workdir/$1.png" "$workdir/$2.png" null: 2>/dev/null
}

# Captures NAME once two captures 0.1 s apart agree, so that a panel still repainting, as under
# the sanitizers, is not taken for what the window shows.
still_image() {
    window_image "$1"
    agrees() {
        mv "$workdir/$1.png" "$workdir/$1.before.png"
        window_image "$1"
        same_images "$1" "$1.before"
    }
    poll agrees "$1" || fail "the window kept changing"
}

cd "$workdir/start"
start_editor
xdotool windowfocus --sync "$window" key ctrl+l
sleep 0.5
window_image blank
[ -z "$(ls -A "$workdir/start")" ] || fail "the window wrote into its working directory"

answer_dialog ctrl+o "$workdir/font"
poll grep -qs "$workdir/font" "$workdir/config/fontedit/fontedit.conf" ||
    fail "the folder opened was not kept for the menu"
still_image opened
same_images blank opened && fail "opening a folder with a font read nothing"
# 読出し reads the folder now open.
click_at_twips 4320 2160
sleep 0.5
still_image read
same_images opened read || fail "読出し did not read the folder opened"

# Each import replaces what shows and is taken back by one Ctrl+Z; nothing is written.
for source in "$pcf" "$workdir/in.bdf" "$workdir/in.c" \
    "$workdir/in.png"; do
    answer_dialog ctrl+i "$source"
    no_other || fail "importing $source asked or reported something"
    # The import runs aside; its tip follows within a moment.
    poll find_tip || fail "importing $source said nothing"
    still_image imported
    same_images read imported && fail "the import of $source changed nothing"
    xdotool windowfocus --sync "$window" key ctrl+z
    still_image undone
    same_images read undone || fail "one Ctrl+Z did not take back the import of $source"
done
cmp -s "$sample/fntdat.txt" "$workdir/font/fntdat.txt" || fail "an import wrote the font file"

for name in out.c out.bdf out.bin out.png; do
    answer_dialog ctrl+e "$workdir/out/$name"
    poll test -s "$workdir/out/$name" || fail "Ctrl+E wrote no $name"
    mkdir "$workdir/back-$name"
    "$cli" import "$workdir/out/$name" "$workdir/back-$name" 2>/dev/null
    "$cli" export --format bin -o "$workdir/back.bin" "$workdir/back-$name"
    cmp -s "$workdir/font.bin" "$workdir/back.bin" || fail "$name did not read back the same"
done

# 保存 names the file it wrote in a tip that goes by itself.
click_at_twips 4320 2640
poll no_tip || fail "a tip stayed"
click_at_twips 4320 2640
poll find_tip || fail "保存 showed no tip"
poll no_tip || fail "the tip of 保存 stayed"
echo "PASS"
