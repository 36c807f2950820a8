#!/usr/bin/env bash
# The report of vardek-cli rendered by a real browser (headless Chromium):
# the page must render, its table must show the numbers that `stats`
# prints, names with markup characters must read as they are stored, and a
# screenshot of it is kept. Exits 77 (skipped) when Chromium is absent.
# Usage: report_browser_test.sh VARDEK_CLI WORK_FOLDER SCREENSHOT_PNG
set -u
CLI=$1
WORK=$2
SHOT=$3
BROWSER=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$BROWSER" ]; then
  echo "report_browser_test: chromium not found, skipped"
  exit 77
fi
rm -rf "$WORK" && mkdir -p "$WORK" "$(dirname "$SHOT")" || exit 2
cd "$WORK" || exit 2
export TZ=UTC LC_ALL=C.UTF-8

failed=0
bad() { failed=$((failed + 1)); echo "FAIL $1"; }

# Two catalogs; the first has a disc of 1,200 files (numbers with a
# thousands separator), markup characters in a name and a description, a
# Windows-1252 letter, folders three deep and a bad date.
{
  printf '|||Holiday <photos> & "more"\r\n'
  printf "it's <b>&amp; \"quoted\".txt:07/14/04\r\n"
  printf 'caf\xe9.txt:08/01/04\r\n\\Pictures\r\nbeach.jpg:07/02/04\r\n\\Raw\r\n\\2004\r\nimg0001.raw:07/02/04\r\n..\r\n..\r\n..\r\n'
  printf 'bad.txt:02/30/03\r\n<eof>\r\n|||Backup disc 1\r\n\\Data\r\n'
  for i in $(seq 1 1200); do printf 'file%04d.dat:%02d/15/%02d\r\n' "$i" $((i % 12 + 1)) $((i % 20 + 85 - (i % 20 > 14 ? 100 : 0))); done
  printf '..\r\n<eof>\r\n|||Empty disc\r\n<eof>\r\n'
} >photos.cat
printf '|||Music collection 7\r\nsong.mp3:06/30/99\r\n<eof>\r\n' >music.cat

"$CLI" stats photos.cat music.cat >stats.tsv 2>stats.err || bad "stats exit status $?"
"$CLI" report photos.cat music.cat -o report.html 2>report.err || bad "report exit status $?"
[ -s report.html ] || { echo "FAIL no report written"; exit 1; }

browse() { "$BROWSER" --headless --no-sandbox --disable-gpu --user-data-dir="$WORK/profile" "$@" 2>>browser.err; }
browse --dump-dom "file://$WORK/report.html" >dom.html || bad "the browser did not render the page"
browse --window-size=1100,1500 --screenshot="$SHOT" "file://$WORK/report.html" >/dev/null || bad "no screenshot"
[ "$(head -c 8 "$SHOT" | od -An -tx1 | tr -d ' \n')" == "89504e470d0a1a0a" ] || bad "the screenshot is no PNG"
[ "$(stat -c %s "$SHOT")" -gt 20000 ] || bad "the screenshot looks empty"

# What the rendered page shows, read from its DOM: each table row as its
# catalog and cells, and the names of the files and discs in the trees.
python3 - dom.html stats.tsv <<'PY' || failed=$((failed + 1))
import html.parser, sys

class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.catalog = None; self.rows = []; self.files = []; self.discs = []
        self.text = None; self.row = None; self.where = None; self.scripts = 0
    def handle_starttag(self, tag, attrs):
        a = dict(attrs); cls = a.get("class", "").split()
        if tag == "script": self.scripts += 1
        if tag == "h2": self.where = "h2"; self.text = ""
        if tag == "tr" and ("disc" in cls or "total" in cls): self.row = ["disc" if "disc" in cls else "total", self.catalog]
        if tag == "td" and self.row is not None: self.where = "td"; self.text = ""
        if tag == "span" and "name" in cls: self.where = "name"; self.text = ""
        if tag == "span" and "disc-name" in cls: self.where = "disc"; self.text = ""
    def handle_data(self, data):
        if self.text is not None: self.text += data
    def handle_endtag(self, tag):
        if tag == "h2" and self.where == "h2": self.catalog = self.text; self.where = self.text = None
        elif tag == "td" and self.where == "td": self.row.append(self.text); self.where = self.text = None
        elif tag == "tr" and self.row is not None: self.rows.append(self.row); self.row = None
        elif tag == "span" and self.where == "name": self.files.append(self.text); self.where = self.text = None
        elif tag == "span" and self.where == "disc": self.discs.append(self.text); self.where = self.text = None

page = Page()
page.feed(open(sys.argv[1], encoding="utf-8").read())
shown = [[r[0], r[1], "" if r[0] == "total" else r[2]] + [c.replace(",", "") for c in r[3:]] for r in page.rows]
stats = [line.rstrip("\n").split("\t") for line in open(sys.argv[2], encoding="utf-8")][1:]
failures = []
if shown != stats:
    failures.append("table differs from stats:\n  page:  %s\n  stats: %s" % (shown, stats))
if any("," not in r[3] for r in page.rows if int(r[3].replace(",", "")) >= 1000):
    failures.append("no thousands separator in the page's counts")
for name in ("it's <b>&amp; \"quoted\".txt", "caf\u00e9.txt", "img0001.raw"):
    if name not in page.files:
        failures.append("file name not shown as stored: %r" % name)
if len(page.files) != sum(int(r[3]) for r in stats if r[0] == "disc"):
    failures.append("%d files in the trees" % len(page.files))
if page.discs[:1] != ['Holiday <photos> & "more"'] or len(page.discs) != 4:
    failures.append("disc names in the trees: %r" % page.discs)
if page.scripts:
    failures.append("the page holds scripts")
for f in failures: print("FAIL " + f)
sys.exit(1 if failures else 0)
PY

echo "report_browser_test: screenshot $SHOT, $failed failed"
[ "$failed" -eq 0 ]
