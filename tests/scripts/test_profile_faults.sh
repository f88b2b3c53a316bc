#!/usr/bin/env bash
# The profile file against faults from outside the program: a writing
# process killed at random moments many times over, a full disk and a
# read-only disk.  Each time the file stays whole, every key keeps its old
# value or one a writer wrote in full, and a failed write says so.
# (Two writers in one folder and unwritable files and folders are covered by
# the profile store's own tests.)
# Usage: test_profile_faults.sh <build dir> <source dir>
set -euo pipefail
. "$(dirname "$0")/../../tools/lib/session.sh"
build=$(cd "$1" && pwd)
writer=$build/tests/profile_writer
[ -x "$writer" ] || { echo "FAIL: $writer is missing" >&2; exit 1; }

make_tmp
mounts=()
at_exit 'for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done'
writer_pid=
at_exit 'stop_process "$writer_pid" KILL'

keys=16
initial() {
    printf '; Pilo\r\n[Lobe]\r\nAnzahl=1\r\nLob1=Bravo!\r\n[Parameter]\r\n'
    for ((k = 0; k < keys; k++)); do printf 'Key%d=old\r\n' "$k"; done
}

echo "== a writer killed at random moments"
file=$tmp/kill/pilo.INI
mkdir -p "$tmp/kill"
initial >"$file"
rounds=${PILO_KILL_ROUNDS:-150}
RANDOM=7
for ((round = 1; round <= rounds; round++)); do
    "$writer" stream "$file" "$round" "$keys" &
    writer_pid=$!
    # Some rounds kill it while it starts, most while it writes.
    delay=$((RANDOM % 40))
    ((delay > 2)) && sleep "0.0$(printf '%02d' "$delay")"
    kill -KILL "$writer_pid" 2>/dev/null || true
    status=0
    wait "$writer_pid" 2>/dev/null || status=$?
    writer_pid=
    [ "$status" -eq 137 ] || fail "round $round: the writer stopped by itself with status $status"
    if ! "$writer" check "$file" "$keys" "$tmp/seen"; then
        fail "round $round: the profile lost or tore a value"
        break
    fi
    head -c 40 "$file" | tr -d '\r' | head -n 4 | cmp -s - <(printf '; Pilo\n[Lobe]\nAnzahl=1\nLob1=Bravo!\n') \
        || fail "round $round: the lines before the written section changed"
done
# Neither the dead writers' lock nor a half-made temporary file stops the next one.
"$writer" set "$file" Parameter After done || fail "a write after the killed writers failed"
[ "$("$writer" get "$file" Parameter After)" = done ] || fail "the write after the killed writers is lost"
echo "$rounds rounds; newest values: $(tr '\n' ' ' <"$tmp/seen" | cut -c1-60)..."

echo "== a full disk"
disk=$tmp/full
mkdir -p "$disk"
if mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
    mounts+=("$disk")
    file=$disk/pilo.INI
    initial >"$file"
    cp "$file" "$tmp/full.INI"
    dd if=/dev/zero of="$disk/filler" bs=1k count=128 2>/dev/null || true
    status=0
    "$writer" set "$file" Parameter Key1 neu 2>"$tmp/err" || status=$?
    [ "$status" -eq 3 ] || fail "a write on a full disk reported status $status, not a failure"
    [ -s "$tmp/err" ] || fail "a failed write on a full disk gave no reason"
    # ENOSPC (28 on Linux): the message to the parent says the disk is full.
    grep -qx 'errno 28' "$tmp/err" || fail "a full disk was not reported as full: $(cat "$tmp/err")"
    cmp -s "$file" "$tmp/full.INI" || fail "a failed write on a full disk changed the profile"
    [ "$("$writer" get "$file" Parameter Key1)" = old ] || fail "the old value is not read back"
    [ ! -e "$file.tmp" ] || fail "a half-written profile was left on the full disk"
    rm -f "$disk/filler"
    # Room again, but not for a value larger than the disk.
    status=0
    "$writer" set "$file" Parameter Key2 "$(head -c 100000 /dev/zero | tr '\0' x)" 2>/dev/null || status=$?
    [ "$status" -eq 3 ] || fail "a value larger than the disk was reported written"
    cmp -s "$file" "$tmp/full.INI" || fail "a value larger than the disk changed the profile"
    "$writer" set "$file" Parameter Key1 neu || fail "a write failed once there was room again"
    [ "$("$writer" get "$file" Parameter Key1)" = neu ] || fail "the write with room again is lost"
else
    echo "skipped: mounting a small tmpfs is not permitted here"
fi

echo "== a read-only disk"
disk=$tmp/readonly
mkdir -p "$disk"
file=$disk/pilo.INI
initial >"$file"
cp "$file" "$tmp/readonly.INI"
if mount --bind "$disk" "$disk" 2>/dev/null && mounts+=("$disk") \
    && mount -o remount,ro,bind "$disk" 2>/dev/null; then
    status=0
    "$writer" set "$file" Parameter Key1 neu 2>/dev/null || status=$?
    [ "$status" -eq 3 ] || fail "a write on a read-only disk reported status $status, not a failure"
    "$writer" set "$file" Neu Key x 2>/dev/null && fail "a new section on a read-only disk was reported written"
    cmp -s "$file" "$tmp/readonly.INI" || fail "a failed write on a read-only disk changed the profile"
    [ "$("$writer" get "$file" Parameter Key1)" = old ] || fail "the read-only profile is not read"
else
    echo "skipped: a read-only mount is not permitted here"
fi

finish "all passed"
