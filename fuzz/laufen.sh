#!/usr/bin/env bash
# Fuzzes the harnesses with libFuzzer (clang, ASan, UBSan), one at a time:
#     fuzz/laufen.sh HARNESS SEKUNDEN      one harness
#     fuzz/laufen.sh alle SEKUNDEN         every harness in turn, SEKUNDEN each
#     fuzz/laufen.sh --korpus              rewrites fuzz/korpus with our writers (gcc build)
# Works in build/fuzz: the seed corpus (fuzz/korpus), the stored findings
# (fuzz/funde) and the dictionaries (fuzz/woerter) are read, never written. New inputs go to a scratch folder;
# afterwards only those that add coverage are merged (minimised) into the
# working corpus build/fuzz/arbeit/HARNESS, which later runs start from. A
# crash is minimised into build/fuzz/artefakte/HARNESS; once mended, copy it
# to fuzz/funde/HARNESS, where the test run replays it. The last line of each
# run (executions, cov, ft) is printed and kept in build/fuzz/laeufe.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD
alle=(ini konfig_datei kennlinie_datei kurven_datei kennlinie_text kurven_text
      protokoll treiber sim_anfrage sim_speicher cp1252 dezimal)

if [ "${1:-}" = "--korpus" ]; then
  cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/test -j2 --target fuzz_korpus_erzeugen
  rm -rf fuzz/korpus
  build/test/fuzz/fuzz_korpus_erzeugen fuzz/korpus
  exit 0
fi
if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "Verwendung: fuzz/laufen.sh HARNESS|alle SEKUNDEN | --korpus (Harnesse: ${alle[*]})" >&2
  exit 2
fi
if [ "$1" = alle ]; then
  harnesse=("${alle[@]}")
else
  [[ " ${alle[*]} " == *" $1 "* ]] || { echo "unbekannter Harness: $1" >&2; exit 2; }
  harnesse=("$1")
fi
sekunden=$2

bau=build/fuzz
mkdir -p "$bau"
# One run at a time: two would share the working corpus and the scratch folder.
exec 9>"$bau/.laeuft"
flock -n 9 || { echo "fuzz/laufen.sh läuft schon" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDLM7_FUZZ=ON -DDLM7_TESTS=OFF >/dev/null
cmake --build "$bau" -j2 --target "${harnesse[@]/#/fuzz_}"

for h in "${harnesse[@]}"; do
  programm=$wurzel/$bau/fuzz/fuzz_$h
  arbeit=$wurzel/$bau/arbeit/$h
  neu=$wurzel/$bau/neu/$h
  artefakte=$wurzel/$bau/artefakte/$h
  log=$wurzel/$bau/protokolle/$h.log
  rm -rf "$neu"
  mkdir -p "$arbeit" "$neu" "$artefakte" "$(dirname "$log")" "fuzz/funde/$h"
  echo "== $h: $sekunden s"
  # One process on one core; -timeout flags inputs that take over 10 s. A
  # dictionary of the format's words (fuzz/woerter) helps where there is one.
  woerter=()
  [ -f "fuzz/woerter/$h.dict" ] && woerter=(-dict="$wurzel/fuzz/woerter/$h.dict")
  status=0
  "$programm" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 -use_value_profile=1 \
    -print_final_stats=1 -artifact_prefix="$artefakte/" "${woerter[@]}" \
    "$neu" "$arbeit" "$wurzel/fuzz/korpus/$h" "$wurzel/fuzz/funde/$h" >"$log" 2>&1 || status=$?
  ausfuehrungen=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  stand=$(grep -E '^#[0-9]+' "$log" | grep -E 'cov: ' | tail -1 | sed -E 's/.*(cov: [0-9]+ ft: [0-9]+).*/\1/')
  "$programm" -merge=1 "$arbeit" "$neu" >"${log%.log}.merge.log" 2>&1 || true
  rm -rf "$neu"
  zeile="$(date -u +%FT%TZ) $h ${sekunden}s ausfuehrungen: ${ausfuehrungen:-?} ${stand:-?} korpus: $(ls "$arbeit" | wc -l)"
  echo "$zeile" | tee -a "$bau/laeufe.txt"
  if [ "$status" -ne 0 ]; then
    for fund in "$artefakte"/crash-* "$artefakte"/leak-* "$artefakte"/timeout-* "$artefakte"/oom-*; do
      [ -e "$fund" ] || continue
      case "$fund" in *.min) continue ;; esac
      "$programm" -minimize_crash=1 -max_total_time=60 -exact_artifact_path="$fund.min" "$fund" >>"$log" 2>&1 || true
      echo "Fund: $fund (minimiert: $fund.min) – Log: $log"
    done
  fi
done
