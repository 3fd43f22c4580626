#!/usr/bin/env bash
# Takes screenshots of the real Brivana window under a virtual X server (Xvfb) and writes
# them to docs/screenshots/ (or to the folder given as the first argument):
#   registration.png       the owner's registration form, shown while `admin` is empty
#   tab1-parties.png       "Alta Clientes y Proveedores"
#   tab2-issued.png        "Facturas Emitidas"
#   tab3-received.png      "Facturas Recibidas"
#   tab4-other.png         "Otros Gastos e Ingresos"
#   tab5-results.png       "IVA y resultados"
#   tab6-export.png        "Enviar datos asesoría"
# It installs what is missing (Debian packages), builds the program, and runs it twice in a
# scratch working folder holding the four images: once on an empty folder, which creates
# data.db and shows the registration form, then again after the script has filled data.db
# with an owner, clients, suppliers, invoices and other entries. Tabs are chosen by
# clicking their titles with xdotool.
#
# The program asks a public time server for today's date; without network it never
# answers, and the "Fecha" fields show 01/01/2000 in the pictures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

"$root/scripts/setup.sh" xvfb xdotool imagemagick

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$root/build" -j"$(nproc)" --target brivana

scratch=$(mktemp -d /tmp/brivana-screenshots.XXXXXX)
xvfb_pid=
app_pid=

cleanup()
{
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# A virtual screen larger than the window. Xvfb picks a free display number itself and
# writes it to the descriptor given by -displayfd once it accepts clients.
mkdir -p "$scratch/work"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$scratch/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

cp "$root"/images/*.png "$scratch/work/"

window=
# Starts the program in the scratch folder and waits until its window is on the screen.
start_program()
{
    (cd "$scratch/work" && exec "$root/build/brivana") >>"$scratch/brivana.log" 2>&1 &
    app_pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brivana' | head -n1) || true
    if [ -z "$window" ]; then
        echo "The Brivana window did not appear; program output:" >&2
        cat "$scratch/brivana.log" >&2
        exit 1
    fi
    # Let the first paint finish, and keep the pointer off the widgets.
    xdotool mousemove 1000 750
    sleep 1.5
}

stop_program()
{
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
}

capture()
{
    import -window "$window" "$out/$1"
    echo "$out/$1"
}

# First run: no data.db yet. The program creates the six tables and, with no owner
# registered, shows the registration form.
start_program
capture registration.png
stop_program

# Realistic books for a small business in Valencia, in the stored forms the program
# writes itself: dates as dd/MM/yyyy text, flags as 1 and 0, amounts as REAL numbers.
sqlite3 "$scratch/work/data.db" <<'SQL'
INSERT INTO admin (nif, rs, dir, cp, pobl, prov, pais, tecn)
VALUES ('12345678Z', 'Lucía Ferrer Abad', 'Calle de Cuba 27, 3º B', 46006, 'Valencia', 'Valencia', 'España', 1);

INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES
 (0, 43000001, 'B46123451', 'Talleres Moreno S.L.', 'Avenida del Puerto 112', 46023, 'Valencia', 'Valencia', 'España'),
 (0, 43000002, '23456781R', 'Marta Ibáñez Soler', 'Calle Sueca 8, 1º', 46006, 'Valencia', 'Valencia', 'España'),
 (1, 40000001, 'B46778122', 'Distribuciones Turia S.L.', 'Polígono Fuente del Jarro, nave 14', 46988, 'Paterna', 'Valencia', 'España'),
 (0, 43000003, 'B98213457', 'Panadería La Espiga S.L.', 'Plaza Mayor 3', 46900, 'Torrent', 'Valencia', 'España'),
 (1, 40000002, 'B96555016', 'Inmuebles Ruzafa S.L.', 'Calle Literato Azorín 19', 46006, 'Valencia', 'Valencia', 'España'),
 (1, 40000003, 'A28443216', 'Telecomunicaciones Levante S.A.', 'Paseo de la Castellana 210', 28046, 'Madrid', 'Madrid', 'España'),
 (0, 43000004, 'A46012340', 'Construcciones Llorente S.A.', 'Carretera de Alicante 45', 46470, 'Catarroja', 'Valencia', 'España'),
 (1, 40000004, 'B46128906', 'Informática Benimaclet S.L.', 'Calle Emilio Baró 61', 46020, 'Valencia', 'Valencia', 'España');

UPDATE lasts SET lastc = 43000004, lastp = 40000004;

INSERT INTO femi (cliente, serie, nfac, fecha, type, cm, rec, isp, cc, ret, alq, pyo, vin,
    base0, piva0, civa0, prec0, crec0, base1, piva1, civa1, prec1, crec1,
    base2, piva2, civa2, prec2, crec2, base3, piva3, civa3, prec3, crec3,
    bret, pret, cret, total, ctc) VALUES
 (43000001, 'A', '2025-001', '14/01/2025', 0, 0, 0, 0, 0, 0, 0, 0, 0,
    1200, 21, 252, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1200, 21, 252, 0, 0, 0, 0, 0, 1452, 70500000),
 (43000002, 'A', '2025-002', '06/02/2025', 0, 0, 0, 0, 0, 1, 0, 1, 0,
    850, 21, 178.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 850, 21, 178.5, 0, 0, 850, 15, 127.5, 901, 70500000),
 (43000003, 'A', '2025-003', '03/03/2025', 0, 0, 0, 0, 0, 0, 0, 0, 0,
    500, 21, 105, 0, 0, 300, 10, 30, 0, 0, 0, 0, 0, 0, 0, 800, 31, 135, 0, 0, 0, 0, 0, 935, 70000000),
 (43000004, 'A', '2025-004', '08/04/2025', 0, 0, 0, 0, 0, 0, 0, 0, 0,
    2300, 21, 483, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2300, 21, 483, 0, 0, 0, 0, 0, 2783, 70500000);

INSERT INTO frec (proveedor, nfac, fecha, type, inv, cm, isp, cc, ret, alq, pyo,
    base0, piva0, civa0, ivas0, ivar0, base1, piva1, civa1, ivas1, ivar1,
    base2, piva2, civa2, ivas2, ivar2, base3, piva3, civa3, ivas3, ivar3,
    bret, pret, cret, total, ctc) VALUES
 (40000001, 'F-25-0117', '20/01/2025', 0, 0, 0, 0, 0, 0, 0, 0,
    450, 21, 94.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 450, 21, 94.5, 0, 0, 0, 0, 0, 544.5, 60000000),
 (40000002, 'ALQ-02/25', '01/02/2025', 0, 0, 0, 0, 0, 1, 1, 0,
    600, 21, 126, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 600, 21, 126, 0, 0, 600, 19, 114, 612, 62100000),
 (40000003, 'T250308412', '08/03/2025', 0, 0, 0, 0, 0, 0, 0, 0,
    49.5, 21, 10.395, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 49.5, 21, 10.395, 0, 0, 0, 0, 0, 59.895, 62900000),
 (40000004, 'FV-2025-0342', '17/04/2025', 0, 1, 0, 0, 0, 0, 0, 0,
    899, 21, 188.79, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 899, 21, 188.79, 0, 0, 0, 0, 0, 1087.79, 21700000);

INSERT INTO ogei (fecha, importe, ctc) VALUES
 ('05/01/2025', 294, 64200000),
 ('31/03/2025', 12.5, 62600000),
 ('10/04/2025', 186.4, 62500000);
SQL

# Second run: the owner exists, so the six tabs show. The tab titles sit in one row at
# the top of the window; these are the centres of the six titles in Debian's default font.
start_program
tab_x=(90 232 348 481 607 726)
tab_y=12
names=(tab1-parties.png tab2-issued.png tab3-received.png tab4-other.png tab5-results.png tab6-export.png)
for i in "${!names[@]}"; do
    xdotool mousemove --window "$window" "${tab_x[$i]}" "$tab_y" click 1
    xdotool mousemove 1000 750
    sleep 0.7
    capture "${names[$i]}"
done
stop_program

# A click that missed its title leaves the previous page on screen: say so.
if [ "$(cd "$out" && md5sum "${names[@]}" | cut -d' ' -f1 | sort -u | wc -l)" -ne ${#names[@]} ]; then
    echo "Warning: some tab screenshots are identical; check the tab title positions in $0" >&2
fi
