#!/usr/bin/env bash
# Benchmarks the PDF engine against poppler's and qpdf's own tools on
# application-like PDFs of about 100 and 500 pages:
#   text:  every page's text through DAExtractPageText  vs  pdftotext -layout
#   books: five books with ExtractFilePages             vs  five qpdf --empty --pages runs
# and reports the engine's peak memory. Usage: bench/pdf_engine.sh [PAGES...]
set -euo pipefail
cd "$(dirname "$0")/.."
sizes=("${@:-100 500}")
read -r -a sizes <<<"${sizes[*]}"

cmake --preset release >/dev/null
cmake --build --preset release --target pdf_engine_bench >/dev/null
bench=build/release/bench/pdf_engine_bench

work=$(mktemp -d /tmp/hexia-pdf-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The same five ranges as pdf_engine_bench's books.
ranges() {
    local n=$1
    echo "1-1 2-2 3-$((n / 3)) $((n / 3 + 1))-$((n - 1)) $n-$n"
}

for size in "${sizes[@]}"; do
    pdf=$work/doc$size.pdf
    scripts/fixtures/make-pdf-fixtures --bench "$size" "$pdf" 2>/dev/null
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    echo "== $pages pages, $(stat -c %s "$pdf") bytes"
    mkdir -p "$work/out$size" "$work/qpdf$size"
    qpdf_runs=""
    i=0
    for r in $(ranges "$pages"); do
        i=$((i + 1))
        qpdf_runs+="qpdf --empty --pages $pdf $r -- $work/qpdf$size/book$i.pdf; "
    done
    hyperfine -N --warmup 2 --runs 10 --export-markdown "$work/text$size.md" \
        -n "engine text ($pages pages)" "$bench text $pdf" \
        -n "pdftotext -layout" "pdftotext -layout $pdf $work/out$size/all.txt" >/dev/null
    hyperfine --warmup 2 --runs 10 --export-markdown "$work/books$size.md" \
        -n "engine five books" "$bench books $pdf $work/out$size" \
        -n "five qpdf runs" "$qpdf_runs" >/dev/null
    cat "$work/text$size.md" "$work/books$size.md"
    for mode in text books split; do
        peak=$( { /usr/bin/time -v "$bench" "$mode" "$pdf" "$work/out$size" >/dev/null; } 2>&1 |
            awk '/Maximum resident set size/ {print $6}')
        echo "peak memory, engine $mode: ${peak} KB"
    done
    peak=$( { /usr/bin/time -v pdftotext -layout "$pdf" "$work/out$size/all.txt"; } 2>&1 |
        awk '/Maximum resident set size/ {print $6}')
    echo "peak memory, pdftotext -layout: ${peak} KB"
done
