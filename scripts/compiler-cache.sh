#!/usr/bin/env bash
# The compiler launcher of every preset: runs the compiler through ccache when it is installed. The cache lives outside
# the clone, so a fresh clone (a CI run) on the same machine reuses what an earlier one compiled; paths inside the
# clone are hashed relative to it, so clones at different paths share the cache too.
export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tallyvane-ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
# The working directory is in the debug information only; hashing it would keep clones from sharing the cache.
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
# A fresh clone's files are all new; ccache would otherwise refuse its direct mode (no preprocessing) for them.
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-include_file_mtime,include_file_ctime}
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-10G}
if command -v ccache >/dev/null; then
    exec ccache "$@"
fi
exec "$@"
