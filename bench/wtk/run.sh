#!/bin/sh
# Paints one game frame with the toolkit's runtime and compares it with a plain Java2D fill.
# usage: bench/wtk/run.sh [BUILD_DIR]   (the build must have staged zor/wtk/lib/midpapi20.jar)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-"$here/../../build"}
jar="$build/zor/wtk/lib/midpapi20.jar"
[ -f "$jar" ] || { echo "no $jar: build the project first" >&2; exit 1; }
java="${JAVA_HOME:-/usr/lib/jvm/default-java}/bin/java"
[ -x "$java" ] || java=java
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"${java%java}javac" -cp "$jar" -d "$out" "$here/LayerBench.java"
"$java" -Djava.awt.headless=true -cp "$jar:$out" LayerBench
