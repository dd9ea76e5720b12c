#!/usr/bin/env bash
# A batch of 10 000 pairs with ids, split by GNU parallel into chunks calculated by several processes,
# gives record for record what one run gives, ids included; only "line", which counts within the
# chunk a process read, differs. Usage: parallel_batch.sh <korvanta-calc>
set -euo pipefail

calc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

command -v parallel >/dev/null || fail "GNU parallel is not installed (scripts/install-deps.sh test)"

# External and internal, spur and helical pairs; every 97th id holds a comma (a quoted cell), every
# 997th row a tooth count its field refuses, every 1499th row a cell too many.
awk 'BEGIN {
  print "id,type,nt1,nt2,dp,pa,ha"
  for (i = 1; i <= 10000; i++) {
    id = (i % 97 == 0) ? sprintf("\"lot %d, pair %05d\"", i % 7, i) : sprintf("p%05d", i)
    type = (i % 5 == 0) ? "internal" : ""
    nt1 = (i % 997 == 0) ? "2x" : 12 + i % 29
    extra = (i % 1499 == 0) ? ",7" : ""
    printf "%s,%s,%s,%d,%d,%s,%s%s\n", id, type, nt1, 40 + i % 53, 4 + i % 17, (i % 2 ? "14.5" : "20"), (i % 4 ? "" : "15"), extra
  }
}' >"$work/pairs.csv"

# Records without "line": the JSON member, or the first CSV cell; the CSV header only once.
json_records() { sed -E 's/^\{"line": [0-9]+, /{/'; }
csv_records() { awk 'NR == 1 { header = $0; print; next } $0 != header' | sed -E 's/^[0-9]+,//'; }

for format in json csv; do
  options=(--batch -)
  [[ $format == json ]] && options+=(--json)
  "$calc" "${options[@]}" <"$work/pairs.csv" 2>/dev/null | "${format}_records" >"$work/one.$format" || true
  parallel --will-cite --pipe --keep-order --header : --block 40k -j 4 \
    "$calc" "${options[@]}" <"$work/pairs.csv" 2>/dev/null | "${format}_records" >"$work/chunks.$format" || true
  diff -q "$work/one.$format" "$work/chunks.$format" >/dev/null ||
    fail "$format: the chunked run differs from one run: $(diff "$work/one.$format" "$work/chunks.$format" | head -5)"
done

records=$(wc -l <"$work/one.json")
((records == 10000)) || fail "one run gave $records JSON records, not 10000"
# The file really was split: more than one process numbered its rows from line 2.
chunks=$(parallel --will-cite --pipe --keep-order --header : --block 40k -j 4 "$calc" --batch - --json \
  <"$work/pairs.csv" 2>/dev/null | grep -c '^{"line": 2, ' || true)
((chunks > 1)) || fail "the file was not split into chunks ($chunks)"
# The ids of the records are those of the input rows, in input order (a malformed row has none).
diff <(grep -o '^{"id": "[^"]*"' "$work/one.json" | sed 's/^{"id": "//; s/"$//') \
  <(tail -n +2 "$work/pairs.csv" | awk -F, '{ if (NR % 1499 == 0) print ""; else { gsub(/"/, ""); print ($1 ~ /^lot/ ? $1 "," $2 : $1) } }') >/dev/null ||
  fail "the ids of the records are not those of the input rows"
echo "$records records, $chunks chunks: the chunked run equals one run"
