#!/usr/bin/env bash
# Builds the Debian package from the build folder's install rules, unpacks it
# into a scratch folder and checks its files and its control fields.
set -euo pipefail
build=$1
arbeit=$2
rm -rf "$arbeit"
mkdir -p "$arbeit"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$arbeit" >"$arbeit/cpack.log" 2>&1 || {
    cat "$arbeit/cpack.log"
    exit 1
}
pakete=("$arbeit"/dlm7dsteuerung_*.deb)
[ ${#pakete[@]} -eq 1 ] && [ -f "${pakete[0]}" ] || { echo "kein Paket: ${pakete[*]}"; exit 1; }
paket=${pakete[0]}
fehler=0

# Exactly the installed files, under /usr, nothing of the tests or the build.
dpkg-deb -x "$paket" "$arbeit/inhalt"
(cd "$arbeit/inhalt" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$arbeit/dateien"
sort >"$arbeit/erwartet" <<'LISTE'
usr/bin/dlm7ctl
usr/bin/dlm7dsteuerung
usr/bin/dlm7sim
usr/share/applications/de.dlm7dsteuerung.dlm7dsteuerung.desktop
usr/share/icons/hicolor/scalable/apps/dlm7dsteuerung.svg
usr/share/man/man1/dlm7ctl.1
usr/share/man/man1/dlm7sim.1
usr/share/metainfo/de.dlm7dsteuerung.dlm7dsteuerung.metainfo.xml
usr/share/mime/packages/dlm7dsteuerung.xml
LISTE
diff -u "$arbeit/erwartet" "$arbeit/dateien" || { echo "Dateiliste falsch"; fehler=1; }
for b in dlm7ctl dlm7dsteuerung dlm7sim; do
    [ -x "$arbeit/inhalt/usr/bin/$b" ] || { echo "nicht ausführbar: $b"; fehler=1; }
done
cmp -s "$arbeit/inhalt/usr/share/applications/de.dlm7dsteuerung.dlm7dsteuerung.desktop" \
    "$(dirname "$0")/../../resources/linux/de.dlm7dsteuerung.dlm7dsteuerung.desktop" || {
    echo "Desktop-Eintrag verändert"
    fehler=1
}

# Control fields: the name and version of the project, and the run-time
# libraries found by dpkg-shlibdeps (with versions) plus the window system plugin.
feld() { dpkg-deb -f "$paket" "$1"; }
[ "$(feld Package)" = dlm7dsteuerung ] || { echo "Package: $(feld Package)"; fehler=1; }
[ "$(feld Architecture)" = "$(dpkg --print-architecture)" ] || { echo "Architecture: $(feld Architecture)"; fehler=1; }
[ -n "$(feld Version)" ] || { echo "ohne Version"; fehler=1; }
[ -n "$(feld Maintainer)" ] || { echo "ohne Maintainer"; fehler=1; }
abh=$(feld Depends)
echo "Depends: $abh"
namen=" $(sed -E 's/ \([^)]*\)//g; s/,//g' <<<"$abh") "
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins; do
    [[ "$namen" == *" $p "* ]] || { echo "Depends ohne $p"; fehler=1; }
done
grep -Eq "libqt6core6 \\(>= [0-9]" <<<"$abh" || { echo "Depends ohne Versionen aus den Bibliotheken"; fehler=1; }
# The package's control data is well formed for dpkg.
dpkg-deb --info "$paket" >/dev/null || fehler=1
exit $fehler
