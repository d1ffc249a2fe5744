# Sourced by the build scripts from the checkout's root. The CMakeLists compiles every build through
# ccache (which scripts/bootstrap installs), set so that clones in other folders share what it
# compiled, builds with debug information excepted; a build folder configured when this file named
# plain ccache takes that launcher instead.
compiler_cache=(-UCMAKE_CXX_COMPILER_LAUNCHER)
