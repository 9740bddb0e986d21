#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# A new user's first minutes, on a machine that has nothing yet: makes a
# minimal Debian 12 system (mmdebstrap, variant minbase, from Debian's
# archive) in a scratch folder, clones the committed tree (HEAD) into it and
# runs there, as root, the README's commands one after the other:
#   ./run               must build and then stop with exit code 2, saying
#                       that there is no display;
#   ./test              must pass;
#   xvfb-run -a ./run   under the virtual display that ./test installed, the
#                       window program must still be running after 10
#                       seconds (it is then ended).
# For each it prints the time it took, its result and the packages and
# megabytes it installed, and it fails unless all three are as above.
# Not part of ./test --all: it installs some 650 MB of packages in the new
# system for ./run alone and builds what ./run and ./test build, far more
# than 10 minutes. Needs root (a chroot with /proc, /sys and /dev mounted) and the
# network to Debian's archive; the scratch folder is removed at the end.
#   scripts/check-fresh.sh [SCRATCH]   (default: a new folder under /tmp)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fail() { echo "check-fresh: $*" >&2; exit 1; }

# The commands inside the new system, run by mmdebstrap's customize hook
# (which mounts /proc, /sys and /dev there) as: check-fresh.sh --inside DIR
# RESULTS. Each command's result is a line in RESULTS; a failing command
# does not stop the ones after it.
if [ "${1:-}" = "--inside" ]; then
  system=$2 results=$3
  in_system() {
    chroot "$system" env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      bash -c "cd /root/discordanza && $1"
  }
  installed_now() {
    chroot "$system" dpkg-query -W -f='${db:Status-Abbrev} ${Installed-Size}\n' |
      awk '$1 == "ii" { n++; kb += $2 } END { printf "%d %d\n", n, kb / 1024 }'
  }
  step() {  # step NAME COMMAND
    local before after start status=0
    before=$(installed_now)
    echo "== $1" >&2
    start=$SECONDS
    in_system "$2" >&2 || status=$?
    after=$(installed_now)
    echo "$1|$status|$((SECONDS - start))|$before|$after" >>"$results"
  }
  step "./run" "./run"
  step "./test" "./test"
  # The window program stays up under a virtual display: still running 10
  # seconds after it started means that it shows its window and waits for
  # the user. ./run first configures the build folder again, without the
  # tests. (The minimal system has no pgrep: the program is found in /proc.)
  step "xvfb-run -a ./run" '
    window_program() {
      for p in /proc/[0-9]*; do
        [ "$(readlink "$p/exe" 2>/dev/null)" = "$PWD/build/program/discordanza" ] && echo "${p#/proc/}"
      done
      return 0
    }
    xvfb-run -a ./run &
    pid=
    for _ in $(seq 600); do pid=$(window_program); [ -n "$pid" ] && break; sleep 0.5; done
    [ -n "$pid" ] || { echo "the window program did not start" >&2; wait; exit 1; }
    sleep 10
    [ "$(window_program)" = "$pid" ] || { echo "the window program ended by itself" >&2; wait; exit 1; }
    kill "$pid"
    wait
    exit 0'
  exit 0
fi

[ "$(id -u)" -eq 0 ] || fail "needs root: it makes a chroot and mounts /proc, /sys and /dev in it"
"$root/scripts/setup.sh" fresh
scratch=${1:-$(mktemp -d /tmp/discordanza-fresh-XXXXXX)}
mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)
system=$scratch/system results=$scratch/results
[ ! -e "$system" ] || fail "$system exists already; give an empty scratch folder"
cleanup() {
  # mmdebstrap has unmounted everything when it ends; --one-file-system
  # keeps rm out of anything still mounted there.
  if findmnt -rn -o TARGET | grep -q "^$system"; then
    echo "check-fresh: something is still mounted under $system; left in place" >&2
  else
    rm -rf --one-file-system "$scratch"
  fi
}
trap cleanup EXIT
: >"$results"

commit=$(git -C "$root" rev-parse --short HEAD)
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] ||
  echo "check-fresh: the tree has uncommitted changes; the new system gets the commit $commit without them" >&2
echo "check-fresh: a minimal Debian 12 in $system, with a clone of $commit"

start=$SECONDS
mmdebstrap --variant=minbase --mode=root --format=directory \
  --customize-hook="git clone --quiet '$root' \"\$1/root/discordanza\"" \
  --customize-hook="'$root/scripts/check-fresh.sh' --inside \"\$1\" '$results'" \
  bookworm "$system" \
  "deb http://deb.debian.org/debian bookworm main" \
  "deb http://deb.debian.org/debian bookworm-updates main" \
  "deb http://deb.debian.org/debian-security bookworm-security main" ||
  fail "mmdebstrap failed"
total=$((SECONDS - start))

# The expected exit code of each command, in order.
expected=(2 0 0)
failures=0 i=0
echo "check-fresh: results (packages and MB installed before -> after):"
while IFS='|' read -r name status seconds before after; do
  read -r packages_before mb_before <<<"$before"
  read -r packages_after mb_after <<<"$after"
  verdict=as-expected
  [ "$status" = "${expected[$i]:-}" ] || { verdict="NOT AS EXPECTED (wanted ${expected[$i]:-?})"; failures=$((failures + 1)); }
  printf '  %-18s exit %s in %dm%02ds, %s; packages %d -> %d, %d MB -> %d MB\n' \
    "$name" "$status" $((seconds / 60)) $((seconds % 60)) "$verdict" \
    "$packages_before" "$packages_after" "$mb_before" "$mb_after"
  i=$((i + 1))
done <"$results"
[ "$i" -eq ${#expected[@]} ] || fail "only $i of ${#expected[@]} commands ran"
echo "check-fresh: ${total}s in all, with the making of the system"
[ "$failures" -eq 0 ] || fail "$failures of the README's commands did not do what it says"
echo "check-fresh: the README's commands work on a fresh Debian 12"
