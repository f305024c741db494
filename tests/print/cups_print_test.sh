#!/usr/bin/env bash
# Prints through a real CUPS server: starts a private cupsd (its own configuration, spool
# and socket under a temporary folder, so the machine's own CUPS is left alone), first with
# no printer at all, where Print must do nothing and say nothing, then with a cups-pdf queue
# as the default printer, where the PDF that arrives must be one A4 page with the title.
# Usage: cups_print_test.sh PRINT_COMMAND. Exit 77: skipped (not root, or CUPS missing).
set -uo pipefail

print_command=$1
title="CUPS Test Title $$"

skip() { echo "SKIP: $*"; exit 77; }
fail() {
    echo "FAIL: $*"
    [ -n "${work:-}" ] && tail -n 20 "$work/log/error_log" 2>/dev/null
    exit 1
}

[ "$(id -u)" -eq 0 ] || skip "the cups-pdf backend runs only as root"
for tool in /usr/sbin/cupsd lpadmin lpstat pdftotext pdfinfo; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$backend" ] && [ -f "$ppd" ] || skip "the cups-pdf printer driver is not installed"

work=$(mktemp -d /tmp/cdv-cups.XXXXXX)
chmod 755 "$work"
queue="cdv-test-$$"
# cups-pdf reads the settings of its instance cups-pdf:/NAME from this fixed place only.
queue_conf="/etc/cups/cups-pdf-$queue.conf"
cupsd_pid=""

cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$cupsd_pid" 2>/dev/null
    fi
    rm -f "$queue_conf"
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{etc/ppd,spool/tmp,cache,state,log,out}
cat >"$work/etc/cupsd.conf" <<CONF
LogLevel warn
Listen $work/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
FileDevice Yes
Sandboxing Relaxed
CONF

export CUPS_SERVER="$work/cups.sock"
/usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" \
    >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!

ready=no
deadline=$((SECONDS + 20))
while [ "$SECONDS" -lt "$deadline" ]; do
    if timeout 5 lpstat -r 2>/dev/null | grep -q "is running"; then ready=yes; break; fi
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.1
done
[ "$ready" = yes ] || { cat "$work/log/cupsd.out"; fail "cupsd did not start"; }

echo "== no printer installed: Print does nothing and says nothing =="
# Only the program's own output counts; Qt's platform notes go to stderr.
run_print() {
    out=$(timeout 90 "$print_command" "$title" 2>"$work/log/print.err") \
        || { cat "$work/log/print.err"; fail "print command failed: $out"; }
    echo "$out"
}
run_print
grep -q "^printers: 0$" <<<"$out" || fail "the private server should know no printer"
grep -q "^print command done$" <<<"$out" || fail "the print command did not return"
[ -z "$(timeout 5 lpstat -W all -o 2>/dev/null)" ] || fail "a job was sent without a printer"

echo "== a cups-pdf printer as the default =="
cat >"$queue_conf" <<CONF
Out $work/out
AnonDirName $work/out
Spool $work/spool/cups-pdf
Log $work/log
UserUMask 0022
CONF
# The cairo renderer keeps the fonts' Unicode names through the PostScript step, so the text
# of the arriving PDF can be read back.
timeout 30 lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null || fail "lpadmin could not add the queue"
timeout 30 lpadmin -d "$queue" || fail "lpadmin could not make the queue the default"
timeout 5 lpstat -d | grep -q "$queue" || fail "the queue is not the default"

run_print
grep -q "^printers: 1$" <<<"$out" || fail "the server should know one printer"

pdf=""
deadline=$((SECONDS + 60))
while [ "$SECONDS" -lt "$deadline" ]; do
    pdf=$(find "$work/out" -name '*.pdf' -size +0 2>/dev/null | head -n 1)
    if [ -n "$pdf" ] && [ -z "$(timeout 5 lpstat -o "$queue" 2>/dev/null)" ]; then break; fi
    pdf=""
    sleep 0.2
done
[ -n "$pdf" ] || { timeout 5 lpstat -W all -o; fail "no PDF arrived within a minute"; }

info=$(timeout 30 pdfinfo "$pdf") || fail "pdfinfo could not read $pdf"
echo "$info" | grep -E '^(Pages|Page size):'
grep -Eq '^Pages: +1$' <<<"$info" || fail "the PDF should have one page"
grep -Eq '^Page size: +595(\.[0-9]+)? x 84[12](\.[0-9]+)? pts' <<<"$info" || fail "the page should be A4 portrait"
text=$(timeout 30 pdftotext "$pdf" -) || fail "pdftotext could not read $pdf"
grep -q "$title" <<<"$text" || { echo "$text"; fail "the title is not on the page"; }
grep -q "CD Vennix Designer cut out form." <<<"$text" || fail "the heading is not on the page"
echo "PASS: one A4 page with \"$title\" arrived at $queue"
