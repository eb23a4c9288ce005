#!/bin/sh
# The pupils' program loads none of the libraries only the class overview
# needs: no Qt Charts, Qt OpenGL (Widgets) or Qt Concurrent, and no GL library
# other than the ones Qt Gui itself loads; nor does it name a GL library of its
# own. Nor does it carry the teacher's worksheets (the overview program makes
# them). Usage: pupil_libraries.sh PROGRAM
prog=$1
deps=$(ldd "$prog") || { echo "ldd $prog failed"; exit 1; }
gui=$(echo "$deps" | awk '/libQt6Gui\.so/ {print $3}')
gui_deps=$(ldd "$gui")
needed=$(readelf -d "$prog" | awk '/NEEDED/ {print $5}')
status=0
for lib in libQt6Charts libQt6OpenGL.so libQt6OpenGLWidgets libQt6Concurrent; do
  if echo "$deps" | grep -q "$lib"; then
    echo "$prog loads $lib"; status=1
  fi
done
for lib in libGL.so libOpenGL.so libGLX.so libEGL.so; do
  if echo "$deps" | grep -q "$lib" && ! echo "$gui_deps" | grep -q "$lib"; then
    echo "$prog loads $lib, which Qt Gui does not"; status=1
  fi
  if echo "$needed" | grep -q "$lib"; then
    echo "$prog names $lib itself"; status=1
  fi
done
if nm -C "$prog" 2>/dev/null | grep -q "worksheets::"; then
  echo "$prog carries worksheet code"; status=1
fi
exit $status
