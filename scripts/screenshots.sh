#!/usr/bin/env bash
# Takes screenshots of the real Brivana window under a virtual X server (Xvfb) and writes
# them to docs/screenshots/ (or to the folder given as the first argument):
#   registration.png       the owner's registration form, filled in, before "Registrar"
#   tab1-parties.png       "Alta Clientes y Proveedores", browsing the stored register
#   tab2-issued.png        "Facturas Emitidas", an invoice typed in with its quota and total
#   tab3-received.png      "Facturas Recibidas", the same for a supplier's invoice
#   tab4-other.png         "Otros Gastos e Ingresos", an entry typed in
#   tab5-results.png       "IVA y resultados", the fourth quarter and November 2026
#   tab6-export.png        "Enviar datos asesoría"
#
# The program takes today's date from a public time server, which is often out of reach
# (and would make the pictures change with the day). So the pictures are taken with
# brivana_demo (scripts/demo/demo_window.cpp): the program's own window, started against
# the tests' fake time server on 127.0.0.1, which says today is 20 November 2026 at noon.
# It is built in build-screenshots/ with the tests' harness (BUILD_TESTING=ON).
#
# The window runs twice in a scratch working folder holding the four images: once on an
# empty folder, which creates data.db and shows the registration form, then again after
# this script has filled data.db with an owner, clients, suppliers and the books of the
# fourth quarter of 2026. Tabs are chosen by clicking their titles with xdotool, and the
# fields are filled the way a user would: clicks at the widgets' fixed positions and
# typed keys. Nothing is saved through the window: the forms are captured as typed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
build=$root/build-screenshots

"$root/scripts/setup.sh" xvfb xdotool imagemagick

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target brivana_demo
demo=$build/scripts/demo/brivana_demo

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
# Starts the window in the scratch folder and waits until it is on the screen.
start_program()
{
    (cd "$scratch/work" && exec "$demo") >>"$scratch/brivana.log" 2>&1 &
    app_pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brivana' | head -n1) || true
    if [ -z "$window" ]; then
        echo "The Brivana window did not appear; program output:" >&2
        cat "$scratch/brivana.log" >&2
        exit 1
    fi
    # Let the first paint and the time server's answer arrive.
    sleep 1.5
}

stop_program()
{
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
}

# The pointer is moved off the window first, so that no widget shows its hover look.
capture()
{
    xdotool mousemove 1000 750
    sleep 0.7
    import -window "$window" "$out/$1"
    echo "$out/$1"
}

# Positions are in window pixels. On the tabs a page's widget at (x, y) of its page sits
# at about (x + 2, y + 23) of the window, below the tab bar.
# The screen where the window is, so that an open pop-up (a list, a calendar) shows too.
capture_with_popup()
{
    sleep 0.7
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1"
    echo "$out/$1"
    xdotool key Escape
    sleep 0.3
}

click()
{
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.3
}

# Clicks a field and types into it, key by key, so the field's validator and the slots
# connected to its text run as they do for a user.
type_into()
{
    click "$1" "$2"
    xdotool type --delay 40 "$3"
    sleep 0.2
}

# Opens a drop-down list, types the start of an item (the list's keyboard search) and
# takes it with Return.
choose()
{
    click "$1" "$2"
    sleep 0.3
    xdotool type --delay 60 "$3"
    xdotool key Return
    sleep 0.5
}

# Choosing an account shows "Ha seleccionado usted la cuenta contable: ..." in a modal
# box titled "Información": wait for it and close it with Return (its OK button).
close_information_box()
{
    local box
    box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Información$' | head -n1) || true
    if [ -z "$box" ]; then
        echo "Expected an \"Información\" box that did not appear" >&2
        exit 1
    fi
    xdotool key Return
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Información$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    sleep 0.3
}

# First run: no data.db yet. The program creates the six tables and, with no owner
# registered, shows the registration form, here filled in as the owner would.
start_program
type_into 323 71 '12345678Z'
type_into 447 103 'Lucía Ferrer Abad'
type_into 447 135 'Calle de Cuba 27, 3º B'
type_into 307 167 '46006'
type_into 337 204 'Valencia'
type_into 323 231 'Valencia'
type_into 323 263 'España'
choose 327 295 'Belisor'
capture registration.png
stop_program

# The books of a sole trader in Valencia for the fourth quarter of 2026 (today is
# 20/11/2026), in the stored forms the program writes itself: dates as dd/MM/yyyy text,
# flags as 1 and 0, amounts as REAL numbers, account codes as numbers.
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

-- Issued: services at 21 %, one to a professional with 15 % withholding, one sale of
-- goods at 21 % and 10 %.
INSERT INTO femi (cliente, serie, nfac, fecha, type, cm, rec, isp, cc, ret, alq, pyo, vin,
    base0, piva0, civa0, prec0, crec0, base1, piva1, civa1, prec1, crec1,
    base2, piva2, civa2, prec2, crec2, base3, piva3, civa3, prec3, crec3,
    bret, pret, cret, total, ctc) VALUES
 (43000001, 'A', '2026-041', '05/10/2026', 0, 0, 0, 0, 0, 0, 0, 0, 0,
    1200, 21, 252, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1200, 21, 252, 0, 0, 0, 0, 0, 1452, 70500000),
 (43000002, 'A', '2026-042', '19/10/2026', 0, 0, 0, 0, 0, 1, 0, 1, 0,
    850, 21, 178.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 850, 21, 178.5, 0, 0, 850, 15, 127.5, 901, 70500000),
 (43000003, 'A', '2026-043', '03/11/2026', 0, 0, 0, 0, 0, 0, 0, 0, 0,
    500, 21, 105, 0, 0, 300, 10, 30, 0, 0, 0, 0, 0, 0, 0, 800, 31, 135, 0, 0, 0, 0, 0, 935, 70000000),
 (43000004, 'A', '2026-044', '12/11/2026', 0, 0, 0, 0, 0, 0, 0, 0, 0,
    2300, 21, 483, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2300, 21, 483, 0, 0, 0, 0, 0, 2783, 70500000);

-- Received: the shop's rent with 19 % withholding in October and November, goods, the
-- telephone, and a computer (an investment).
INSERT INTO frec (proveedor, nfac, fecha, type, inv, cm, isp, cc, ret, alq, pyo,
    base0, piva0, civa0, ivas0, ivar0, base1, piva1, civa1, ivas1, ivar1,
    base2, piva2, civa2, ivas2, ivar2, base3, piva3, civa3, ivas3, ivar3,
    bret, pret, cret, total, ctc) VALUES
 (40000002, 'ALQ-10/26', '01/10/2026', 0, 0, 0, 0, 0, 1, 1, 0,
    600, 21, 126, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 600, 21, 126, 0, 0, 600, 19, 114, 612, 62100000),
 (40000001, 'F-26-0981', '07/10/2026', 0, 0, 0, 0, 0, 0, 0, 0,
    450, 21, 94.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 450, 21, 94.5, 0, 0, 0, 0, 0, 544.5, 60000000),
 (40000002, 'ALQ-11/26', '02/11/2026', 0, 0, 0, 0, 0, 1, 1, 0,
    600, 21, 126, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 600, 21, 126, 0, 0, 600, 19, 114, 612, 62100000),
 (40000003, 'T261108412', '08/11/2026', 0, 0, 0, 0, 0, 0, 0, 0,
    49.5, 21, 10.395, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 49.5, 21, 10.395, 0, 0, 0, 0, 0, 59.895, 62900000),
 (40000004, 'FV-2026-0871', '16/11/2026', 0, 1, 0, 0, 0, 0, 0, 0,
    899, 21, 188.79, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 899, 21, 188.79, 0, 0, 0, 0, 0, 1087.79, 21700000);

-- Other: the self-employed contribution twice and a bank fee.
INSERT INTO ogei (fecha, importe, ctc) VALUES
 ('05/10/2026', 294, 64200000),
 ('30/10/2026', 12.5, 62600000),
 ('05/11/2026', 294, 64200000);
SQL

# Second run: the owner exists, so the six tabs show. The tab titles sit in one row at
# the top of the window; these are the centres of the six titles in the window's interface font
# (8-point DejaVu Sans Condensed).
start_program
tab_x=(75 193 289 400 505 605)
tab_y=12
show_tab()
{
    click "${tab_x[$1]}" "$tab_y"
}

# "Alta Clientes y Proveedores": "Ver registros" shows the first stored record.
show_tab 0
click 299 62
capture tab1-parties.png

# "Facturas Emitidas": a client, series and number, "Operaciones Interiores" (which shows
# the option boxes, the quota lines and the account list), base 1250 at 21 %: the quota
# and the total compute as the keys arrive. Then the income account, with its box.
show_tab 1
choose 197 66 'Talleres'
type_into 141 94 'A'
type_into 181 126 '2026-045'
choose 250 191 'Operaciones'
type_into 381 62 '1250'
type_into 471 62 '21'
choose 577 227 '705'
close_information_box
capture tab2-issued.png

# "Facturas Recibidas": the same for a supplier's invoice, with a purchase account.
show_tab 2
choose 197 66 'Distribuciones'
type_into 181 126 'F-26-1032'
choose 250 191 'Operaciones'
type_into 381 62 '1250'
type_into 471 62 '21'
choose 577 227 '600'
close_information_box
# The purchase-account list open: every account whole, the chosen one highlighted.
click 577 227
capture_with_popup tab3-received.png

# "Otros Gastos e Ingresos": the month's self-employed contribution.
show_tab 3
type_into 141 94 '294'
choose 261 126 '642'
close_information_box
# The calendar of "Fecha" open.
click 201 67
capture_with_popup tab4-other.png

# "IVA y resultados": the fourth quarter (its sums and the pie), a compensation carried
# from the third, and November 2026.
show_tab 4
choose 181 75 '4'
type_into 170 201 '250'
choose 97 313 '2026'
choose 211 313 'Nov'
capture tab5-results.png

show_tab 5
capture tab6-export.png
stop_program

# A click that missed its title leaves the previous page on screen: say so.
names=(tab1-parties.png tab2-issued.png tab3-received.png tab4-other.png tab5-results.png tab6-export.png)
if [ "$(cd "$out" && md5sum "${names[@]}" | cut -d' ' -f1 | sort -u | wc -l)" -ne ${#names[@]} ]; then
    echo "Warning: some tab screenshots are identical; check the tab title positions in $0" >&2
fi
