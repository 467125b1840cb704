#!/usr/bin/env bash
# Runs catalog_listing in the test run's Wine session, then the world
# generator with that listing (it reports the catalog files not served yet and
# fails on rows the world covers with other files).
#   check_catalog_listing.sh SESSION_DIR CATALOG_LISTING_EXE OUTPUT_FILE GENERATOR_COMMAND...
set -uo pipefail
session="$1" exe="$2" listing="$3"; shift 3
# shellcheck disable=SC1091
. "$session/env" || { echo "no Wine session in $session" >&2; exit 1; }
unset ZEPHRION_FILE_SERVER
"$WINE" "$exe" </dev/null >"$listing" 2>"$listing.err" || { cat "$listing.err"; exit 1; }
exec "$@" --catalog-listing "$listing"
