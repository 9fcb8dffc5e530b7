#!/usr/bin/env bash
# Checks the distribution folder: exactly the program, the two templates and the help, and a help file that holds
# every page of the help's sources.
#   check-dist.sh DIST_FOLDER HELP_SOURCE_FOLDER
set -euo pipefail

readonly dist=$1 help_source=$2
readonly expected=$'Tallyvane.exe\nTallyvane操作说明.chm\n开票清单模板.xls\n开票清单模板.xlsx'

actual=$(cd "$dist" && LC_ALL=C ls -1 | LC_ALL=C sort)
if [[ $actual != "$(LC_ALL=C sort <<<"$expected")" ]]; then
    echo "the distribution folder holds:"
    echo "$actual"
    exit 1
fi

listing=$(chmls list -n "$dist/Tallyvane操作说明.chm" 2>/dev/null)
status=0
for page in "$help_source"/*.html; do
    name=$(basename "$page")
    if ! grep -qx "/$name" <<<"$listing"; then
        echo "the help file lacks $name"
        status=1
    fi
done
exit $status
