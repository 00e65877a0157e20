#!/usr/bin/env bash
# Start-up of the application beside a bare Qt window (and one with a line of text), under Xvfb, and "Start" to the main window
# with its first recipe, with the supplied catalogue and with one grown to about 100 000 recipes
# (copies of the supplied ones).
#   bench/startup.sh [RUNS]   (after: cmake --build build --target zestrel bare_window bare_text_window startup_bench start_bench)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
build=$PWD/build
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p -m 700 "$work/runtime"
catalogue() { # $1: recipes wanted
  local data=$work/data-$1 file
  file=$data/Zestrel/Zestrel/drive_c/windows/system/Zestrel.mdb
  mkdir -p "$(dirname "$file")"
  cp "$build/supplied/Zestrel.mdb" "$file"
  local copies="" have
  have=$(sqlcipher "$file" <<<"PRAGMA key='plumtonic'; SELECT count(*) FROM drinklst;" | tail -1)
  while [ "$(( have * (1 << ${#copies}) ))" -lt "$1" ]; do copies+=x; done
  { echo "PRAGMA key='plumtonic';"; echo "BEGIN;"
    for _ in $(seq ${#copies}); do
      echo "INSERT INTO drinklst (DrinkName,Qty1,Ing1,Qty2,Ing2,Qty3,Ing3,Qty4,Ing4,Qty5,Ing5,Qty6,Ing6,Qty7,Ing7,Qty8,Ing8,Qty9,Ing9,Qty10,Ing10,Directions,Glass)" \
           "SELECT DrinkName,Qty1,Ing1,Qty2,Ing2,Qty3,Ing3,Qty4,Ing4,Qty5,Ing5,Qty6,Ing6,Qty7,Ing7,Qty8,Ing8,Qty9,Ing9,Qty10,Ing10,Directions,Glass FROM drinklst;"
    done
    echo "COMMIT;"; } | sqlcipher "$file" >/dev/null
  echo "$data"
}
for size in ${SIZES:-217 100000}; do
  data=$(catalogue $size)
  echo "recipes: $(sqlcipher "$data/Zestrel/Zestrel/drive_c/windows/system/Zestrel.mdb" <<<"PRAGMA key='plumtonic'; SELECT count(*) FROM drinklst;" | tail -1)"
  export XDG_DATA_HOME=$data XDG_CONFIG_HOME=$work/config HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
  [ $size = 217 ] && [ -z "${START_ONLY:-}" ] && xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/startup_bench" "$runs" "$build/bench/bare_window" "$build/bench/bare_text_window" "$build/app/zestrel"
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/start_bench" "$runs"
done
