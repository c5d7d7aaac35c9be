#!/usr/bin/env bash
# Makes the button images of the standard buttons, the Kestrel Tools bar and the full-screen
# tool bar in resources/toolbar/ from the Tango icon theme (public domain; Debian package
# tango-icon-theme): for each button a normal image (colours softened) and a hot image (the
# icon as drawn), 22 x 22; and the 32 x 32 note picture in resources/icons/. The outputs are
# committed; run this again only to change them.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
tango=/usr/share/icons/Tango/22x22
out="$root/resources/toolbar"
mkdir -p "$out"

# button image name = Tango icon
images=(
  back=actions/go-previous forward=actions/go-next stop=actions/process-stop
  refresh=actions/view-refresh home=actions/go-home search=actions/system-search
  favorites=emblems/emblem-favorite mail=apps/internet-mail print=actions/document-print
  addnote=apps/accessories-text-editor spellcheck=actions/edit-find-replace
  fullscreen=actions/view-fullscreen newtab=actions/tab-new moveup=actions/go-up
  movedown=actions/go-down previoustab=actions/go-first nexttab=actions/go-last
  closetab=actions/edit-delete translate=apps/preferences-desktop-locale
  pageformat=apps/preferences-desktop-font
)

for entry in "${images[@]}"; do
  name="${entry%%=*}"
  source="$tango/${entry#*=}.png"
  convert "$source" -strip "$out/$name-hot.png"
  convert "$source" -modulate 100,55 -strip "$out/$name.png"
done
cp /usr/share/doc/tango-icon-theme/copyright "$out/COPYING"

# The picture of a note stuck on a page, 32 x 32.
convert /usr/share/icons/Tango/32x32/apps/accessories-text-editor.png -strip "$root/resources/icons/note.png"
