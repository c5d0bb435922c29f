#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts the program against the
# bundled box simulator: COM1 is pointed at a simulated DLM-7 at address 1.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$(pwd)
bash scripts/pakete.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DDLM7_TESTS=OFF
cmake --build build/release -j"$(nproc)" --target dlm7dsteuerung dlm7sim dlm7ctl

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display found. To run the program on a virtual display:"
  echo "    xvfb-run -a -s '-screen 0 1280x900x24' bash scripts/run.sh"
  exit 1
fi

# The demo works in its own directory: the settings file, the simulator's
# memory and the user's files live there.
demo="$wurzel/demo"
mkdir -p "$demo"
link="$demo/com1"
"$wurzel/build/release/sim/dlm7sim" --link "$link" --eeprom "$demo/dlm7-speicher.bin" \
    --eingang 2=sinus:5:3:0.2 --eingang 3=dreieck:2:1.5:0.05 --generator-rueckfuehrung > "$demo/dlm7sim.pfad" &
sim=$!
trap 'kill $sim 2>/dev/null || true; wait $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
[ -e "$link" ] || { echo "The simulator did not start." >&2; exit 1; }

ini="$demo/dlm7Steuerung.ini"
if [ ! -f "$ini" ]; then
  # First run: COM1 open on the simulator, and a configuration to show the
  # scaling: input 2 (the sine) as a temperature 0..250 °C (° as Windows-1252 byte).
  {
    printf '[com]\r\nadresse = 49\r\nlport = 1\r\nport = 1\r\n\r\n[konfig]\r\nvinmax = 10\r\nvoutmax = 10\r\n'
    for k in 0 1 2 3; do
      for s in in out; do
        skala=10; einheit='V'
        if [ $s = in ] && [ $k = 1 ]; then skala=250; einheit=$'\xb0C'; fi
        printf '%smin%d = 0\r\n%smax%d = 10\r\n%sskalamin%d = 0\r\n%sskalamax%d = %s\r\n%seinheit%d = "%s"\r\n' \
          $s $k $s $k $s $k $s $k $skala $s $k "$einheit"
      done
    done
    printf '\r\n[ports]\r\ncom1 = "%s"\r\n\r\n' "$link"
  } > "$ini"
fi
echo "Simulated DLM-7 on $(cat "$demo/dlm7sim.pfad") (COM1 = $link)"
cd "$demo"
"$wurzel/build/release/app/dlm7dsteuerung"
