#!/bin/sh
# Makes the Debian package of a build folder, the one way it is made (empaquetar.sh and
# the tests use it): paquete.sh CARPETA_DE_COMPILACION CARPETA_DE_SALIDA
# Installs the build stripped under /usr in a staging tree, fills in the control file
# that the build wrote (instalacion/debian/control), and packs it with dpkg-deb.
set -e
compilacion="$(cd "$1" && pwd)"; salida="$2"
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
raiz="$trabajo/raiz"
DESTDIR="$raiz" cmake --install "$compilacion" --prefix /usr --strip >/dev/null
# As dh_strip leaves them: without the compiler's notes.
strip --remove-section=.comment --remove-section=.note "$raiz"/usr/bin/*
# dpkg-shlibdeps wants to run where a debian/control is.
mkdir -p "$trabajo/debian" "$raiz/DEBIAN"
touch "$trabajo/debian/control"
dependencias="$(cd "$trabajo" && dpkg-shlibdeps -O raiz/usr/bin/velistra* 2>/dev/null |
                sed -n 's/^shlibs:Depends=//p')"
arquitectura="$(dpkg --print-architecture)"
tamano="$(du -sk --apparent-size "$raiz/usr" | cut -f1)"
sed -e "s/%ARQUITECTURA%/$arquitectura/" -e "s/%TAMANO%/$tamano/" -e "s/%DEPENDENCIAS%/$dependencias/" \
  "$compilacion/instalacion/debian/control" > "$raiz/DEBIAN/control"
(cd "$raiz" && find usr -type f | LC_ALL=C sort | xargs md5sum > DEBIAN/md5sums)
version="$(sed -n 's/^Version: //p' "$raiz/DEBIAN/control")"
mkdir -p "$salida"
dpkg-deb --root-owner-group -Zxz --build "$raiz" "$salida/velistra_${version}_${arquitectura}.deb" >/dev/null
echo "$salida/velistra_${version}_${arquitectura}.deb"
