# Sourced by the benchmark scripts: median reads numbers, one a line, and prints their median;
# field NAME prints the number after NAME= in each benchmark line it reads.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
# spread reads numbers, one a line, and prints their median with the least and the most:
# "MEDIAN (MIN–MAX)".
spread() { sort -g | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m " (" v[1] "–" v[NR] ")" }'; }
