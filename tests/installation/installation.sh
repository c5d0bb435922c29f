#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs there.
set -euo pipefail
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
fehler=0
pruefen() { [ -e "$prefix/$1" ] || { echo "fehlt: $1"; fehler=1; }; }
for f in bin/dlm7dsteuerung bin/dlm7sim bin/dlm7ctl \
         share/applications/de.dlm7dsteuerung.dlm7dsteuerung.desktop \
         share/metainfo/de.dlm7dsteuerung.dlm7dsteuerung.metainfo.xml \
         share/mime/packages/dlm7dsteuerung.xml \
         share/icons/hicolor/scalable/apps/dlm7dsteuerung.svg \
         share/man/man1/dlm7ctl.1 share/man/man1/dlm7sim.1; do
    pruefen "$f"
done
for b in dlm7dsteuerung dlm7sim dlm7ctl; do
    [ -x "$prefix/bin/$b" ] || { echo "nicht ausführbar: $b"; fehler=1; }
done
# The desktop entry starts an installed program with its icon and file types.
eintrag="$prefix/share/applications/de.dlm7dsteuerung.dlm7dsteuerung.desktop"
grep -q '^Exec=dlm7dsteuerung %f$' "$eintrag" || { echo "Exec falsch"; fehler=1; }
grep -q '^Icon=dlm7dsteuerung$' "$eintrag" || { echo "Icon falsch"; fehler=1; }
# The file types register: the MIME database accepts the package and knows the globs.
update-mime-database "$prefix/share/mime" >/dev/null
for endung in dlo dle dlr; do
    grep -q "\\*\\.$endung" "$prefix/share/mime/globs2" || { echo "kein Typ für .$endung"; fehler=1; }
done
for typ in x-dlm7-konfiguration x-dlm7-kennlinie x-dlm7-kurvensatz; do
    grep -q "application/$typ" "$eintrag" || { echo "Eintrag ohne $typ"; fehler=1; }
done
# The companion tools answer from their installed place.
"$prefix/bin/dlm7ctl" --hilfe >/dev/null 2>&1 || [ $? -eq 2 ] || { echo "dlm7ctl startet nicht"; fehler=1; }
exit $fehler
