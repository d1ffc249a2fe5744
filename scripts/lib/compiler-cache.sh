# Sourced by the build scripts from the checkout's root. Every build compiles through ccache, which
# scripts/bootstrap installs. Paths inside the checkout are hashed relative to it and the working
# folder is left out of the hash, so a fresh clone in another folder reuses what any earlier build
# of the same sources on this machine compiled.
export CCACHE_BASEDIR="$PWD"
export CCACHE_NOHASHDIR=1
# Room for the sanitized, the optimised and the fuzzing builds of a few commits at once.
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-20G}"
compiler_cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
