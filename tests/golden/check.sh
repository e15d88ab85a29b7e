#!/usr/bin/env bash
# Runs tallyra-cli for golden cases and compares what it prints with the
# files beside this script, byte for byte.
#   check.sh CLI [--update] [CASE...]
# Without CASE every case of the list runs. With --update the files are
# rewritten instead (review the diff before committing it).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=$1
shift
update=0
if [[ "${1:-}" == "--update" ]]; then
  update=1
  shift
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Keep the user's own settings, database and rate cache out of the run.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export LC_ALL=C.UTF-8 TZ=UTC
pinned=(--sample-data --today 2026-11-30 --tz Europe/Kyiv --rates "$here/rates.json" --currency UAH)

failed=0
ran=0
while read -r name args; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  if (($#)); then
    wanted=0
    for c in "$@"; do [[ "$c" == "$name" ]] && wanted=1; done
    ((wanted)) || continue
  fi
  ran=$((ran + 1))
  # The arguments are split as a shell splits them, so quotes keep a name
  # with spaces together ("Credit Card").
  eval "argv=($args)"
  if ! "$cli" "${pinned[@]}" "${argv[@]}" >"$work/out" 2>"$work/err"; then
    echo "FAIL $name: tallyra-cli exited non-zero: $(cat "$work/err")"
    failed=$((failed + 1))
    continue
  fi
  if ((update)); then
    cp "$work/out" "$here/$name"
    echo "wrote $name"
  elif ! cmp -s "$work/out" "$here/$name"; then
    echo "FAIL $name differs from the golden file:"
    diff -u "$here/$name" "$work/out" | head -40 || true
    failed=$((failed + 1))
  fi
done <"$here/cases"

if ((ran == 0)); then
  echo "no golden case matched: $*"
  exit 1
fi
exit $((failed > 0))
