# shellcheck shell=bash
# Sourced by the benchmark scripts.
# median NUMBER...: prints the numbers' median (the mean of the middle two for an even count).
# with_median NUMBER...: prints the numbers in the order given, their median and their least and
# most: "3 1 2 (median 2, 1–3)".
# field NAME: prints the number after NAME= in each benchmark line it reads.
median() {
    printf '%s\n' "$@" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
with_median() {
    local sorted
    sorted=$(printf '%s\n' "$@" | sort -g)
    echo "$* (median $(median "$@"), $(head -n 1 <<<"$sorted")–$(tail -n 1 <<<"$sorted"))"
}
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
