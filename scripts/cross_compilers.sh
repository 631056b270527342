# Sourced by build.sh and by the cross-tree smoke test: which of the cross
# trees this machine has the compilers for. Packages: scripts/packages/.
have_mingw() {
  command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1
}
# GNUstep needs its configuration script and g++'s Objective-C++ front end.
have_gnustep() {
  command -v gnustep-config >/dev/null 2>&1 && [ -x "$(g++ -print-prog-name=cc1objplus)" ]
}
