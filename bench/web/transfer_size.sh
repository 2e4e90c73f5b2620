#!/usr/bin/env bash
# The web page's transfer size: each file of the site as gzip -9 sends it,
# and all of them, which the service worker fetches on the first visit,
# against a budget of 250 KB (250000 bytes). Prints figures; fails only when
# there is no site.
#
# usage: bench/web/transfer_size.sh [SITE]   (default build/web/site)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
site=${1:-$root/build/web/site}
budget=250000

if [ ! -f "$site/index.html" ]; then
  echo "no $site/index.html (build the web preset first)" >&2
  exit 1
fi

cd "$site"
find . -type f -printf '%P\n' | LC_ALL=C sort | while IFS= read -r file; do
  printf '%s\t%s\t%s\n' "$(stat -c %s -- "$file")" "$(gzip -9 -n -c -- "$file" | wc -c)" "$file"
done | awk -F '\t' -v budget="$budget" -v site="$site" '
  function kb(bytes) { return bytes / 1000 }
  BEGIN { printf "transfer size of %s (KB = 1000 bytes):\n", site
          printf "  %-40s %10s %10s\n", "file", "raw KB", "gzip -9 KB" }
  { printf "  %-40s %10.1f %10.1f\n", $3, kb($1), kb($2); raw += $1; gzip += $2 }
  END {
    printf "  %-40s %10.1f %10.1f\n", "all " NR " files", kb(raw), kb(gzip)
    over = gzip - budget
    if (over > 0) printf "  OVER the budget of %.0f KB by %.1f KB\n", kb(budget), kb(over)
    else printf "  within the budget of %.0f KB, %.1f KB to spare\n", kb(budget), kb(-over)
    printf "web-size: gzip_bytes=%d raw_bytes=%d budget_bytes=%d\n", gzip, raw, budget
  }'
