#!/usr/bin/env bash
# Saves under attack, the game played by one user and the attacker another, all in this test's
# scratch folder. In a copy of the game that the attacker shares, links in Data/ lead to the
# player's files: the name entry, the highscores and a link re-pointed while the list is open
# leave them byte for byte as they were, a dangling link makes nothing, and a Data/ folder that
# is another's or that others may write refuses every save with one line, while the game plays
# on. The player's own folder and own link still save. Run as root in the player's folder, the
# game writes nothing there. Needs root to act as two users.
#   attacks.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "skipped: only root can play two users"; exit 77; }
e2e_setup "$1"
player=4321 attacker=4322
user() { echo setpriv --reuid="$1" --regid="$1" --clear-groups --; }
as() { $(user "$1") "${@:2}"; }
chmod 711 "$E2E_WORK"
as $player test -x "$E2E_GAME_DIR/velmarch" || e2e_fail "$E2E_WORK is out of other users' reach"

home=$E2E_WORK/home
kept=$E2E_WORK/kept
mkdir -p "$home/.ssh" "$home/sync" "$kept" "$E2E_WORK/cache"
printf '\\documentclass{article}\n\\begin{document}Chapter one\\end{document}\n' >"$home/thesis.tex"
printf 'ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIPlayersOwnKey player@home\n' >"$home/.ssh/authorized_keys"
chmod 600 "$home/.ssh/authorized_keys"
cp "$home/thesis.tex" "$home/.ssh/authorized_keys" "$kept/"
chown -R $player:$player "$home" "$E2E_WORK/cache"
touch "$kept/start"
untouched() {
    local file
    for file in thesis.tex authorized_keys; do
        cmp -s "$kept/$file" "$(find "$home" -name "$file")" || e2e_fail "$1 changed $file"
    done
    [ -z "$(find "$home" -newer "$kept/start" ! -path "$home/sync*")" ] ||
        e2e_fail "$1 wrote into the home folder: $(find "$home" -newer "$kept/start")"
}
saves() { grep -c 'cannot save' "$E2E_WORK/stderr.log"; }
# refused N WHAT: N lines about failed saves so far, and nothing else on standard error.
refused() {
    [ "$(saves)" -eq "$1" ] || e2e_fail "$(saves) refused saves after $2, $1 expected"
    ! grep -v -e 'cannot save' -e '^Setting vertical sync not supported$' "$E2E_WORK/stderr.log" ||
        e2e_fail "other lines on standard error after $2"
}

# The attacker's copy of the game, with its list and the links planted in its Data/.
shared=$E2E_WORK/shared
cp -r "$E2E_GAME_DIR" "$shared"
data=$shared/sources/Data
mkdir -p "$data"
list=$shared/list
printf '2\nEve\n9999\n1\nMallory\n8888\n2' >"$list"
ln -sfn "$home/thesis.tex" "$data/Info.data"
ln -sfn "$list" "$data/Highscores.data"
chown -hR $attacker:$attacker "$shared"
sleep 1 # so that anything written later is newer

E2E_GAME_DIR=$shared
e2e_start $(user $player) env HOME="$home" XDG_CACHE_HOME="$E2E_WORK/cache" ./velmarch
e2e_wait_screen 60 "the title" title_ready

# The list read when the screen opens, the link re-pointed before it closes: in the attacker's
# folder, in one that anyone may write, and in one that the attacker's group may write.
round=0
for folder in "$attacker:$attacker 755" "$player:$player 1777" "$player:$attacker 775"; do
    chown "${folder% *}" "$data"
    chmod "${folder#* }" "$data"
    e2e_key 5
    e2e_wait_screen 20 "the attacker's list" highscore_rows_shown 2
    as $attacker ln -sfn "$home/.ssh/authorized_keys" "$data/Highscores.data"
    e2e_escape_to 30 "the menu after the highscores" menu_shown
    untouched "a re-pointed link in a folder of $folder"
    refused $((++round)) "a list re-pointed in a folder of $folder"
    as $attacker ln -sfn "$list" "$data/Highscores.data"
done

# The player's own folder and own link to a list of the same name in a folder of the player's
# own still save: the list shows and is written back through the link.
chown $player:$player "$data"
chmod 755 "$data"
printf '1\r\nOwn\r\n500\r\n9\r\n' >"$home/sync/Highscores.data"
chown $player:$player "$home/sync/Highscores.data"
rm "$data/Highscores.data"
as $player ln -s "$home/sync/Highscores.data" "$data/Highscores.data"
e2e_key 5
e2e_wait_screen 20 "the player's own list" highscore_rows_shown 1
e2e_escape_to 30 "the menu after the highscores" menu_shown
[ "$(cat "$home/sync/Highscores.data")" = $'1\nOwn\n500\n9' ] && [ -L "$data/Highscores.data" ] ||
    e2e_fail "the player's own link was not saved through"
refused 3 "saving through the player's own link"

# The name entry in the attacker's folder, the list a dangling link: neither the name nor the
# list is written, nothing is made, and the game starts all the same.
chown $attacker:$attacker "$data"
as $attacker ln -sfn "$home/made/by/link/Highscores.data" "$data/Highscores.data"
e2e_play 20 "Player"
e2e_wait_screen 60 "the game's field" field_open
untouched "the name entry"
[ ! -e "$home/made" ] || e2e_fail "a dangling link made $(find "$home/made")"
refused 5 "the name entry"
kill "$E2E_GAME_PID"
wait "$E2E_GAME_PID"
mv "$E2E_WORK/stderr.log" "$E2E_WORK/player-stderr.log"

# Root in the player's folder: no save, no file of root's left there.
mine=$E2E_WORK/mine
cp -r "$shared" "$mine"
rm -f "$mine/sources/Data/"*
printf '1\nOwn\n500\n9' >"$mine/sources/Data/Highscores.data"
chown -hR $player:$player "$mine"
mkdir "$E2E_WORK/root"
touch "$kept/root"
sleep 1
E2E_GAME_DIR=$mine
e2e_start env HOME="$E2E_WORK/root" ./velmarch
e2e_wait_screen 60 "the title" title_ready
e2e_play 20 "Root"
for _ in $(seq $((100 * E2E_PATIENCE))); do
    [ "$(saves)" -ge 2 ] && break
    sleep 0.1
done
refused 2 "playing as root in the player's folder"
written=$(find "$mine" -newer "$kept/root" -o -user 0)
[ -z "$written" ] || e2e_fail "root wrote into the player's folder: $written"
e2e_log "passed"
