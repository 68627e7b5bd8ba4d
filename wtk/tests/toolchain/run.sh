#!/bin/sh
# The tool chain end to end: compile a MIDlet at source level 1.3 against the two libraries,
# preverify it, pack it, run it headless with keys and check the last frame. The work folder's
# name has blanks and quotes, which every tool must survive.
# usage: run.sh STAGED_WTK_FOLDER TEST_CLASSES WORK_FOLDER
set -eu
wtk=$1
test_classes=$2
here=$(cd "$(dirname "$0")" && pwd)
work="$3/a b'c\"d"
java="${JAVA_HOME:-/usr/lib/jvm/default-java}/bin/java"
[ -x "$java" ] || java=java
libs="$wtk/lib/cldcapi11.jar:$wtk/lib/midpapi20.jar"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$3"
mkdir -p "$work/tmpclasses" "$work/classes" "$work/pack"
ecj -source 1.3 -target 1.3 -encoding Cp1251 -classpath "$libs" -d "$work/tmpclasses" \
    "$here/src/Probe.java" "$here/src/ProbeCanvas.java"
"$wtk/bin/preverify" -classpath "$libs" -d "$work/classes" "$work/tmpclasses"
javap -v -cp "$work/classes" ProbeCanvas | grep -q "StackMap: number_of_entries" ||
    fail "no StackMap attribute in the preverified class"
javap -v -cp "$work/classes" ProbeCanvas | grep -q "major version: 47" ||
    fail "the preverified class is not of version 47"

cp "$work/classes/"*.class "$here/res/sprite.png" "$work/pack/"
(cd "$work/pack" && jar cmf "$here/MANIFEST.MF" "$work/Probe game.jar" *.class sprite.png)

# A jar as input gives class files too, as a folder does.
"$wtk/bin/preverify" -classpath "$libs" -d "$work/from jar" "$work/Probe game.jar"
[ -f "$work/from jar/ProbeCanvas.class" ] || fail "preverify of a jar wrote no class files"

"$wtk/bin/emulator" --headless --time-ms 1500 --keys "300:RIGHT+ 400:RIGHT- 500:RIGHT+ 600:RIGHT- 800:FIRE+ 801:FIRE-" \
    --screenshot "$work/shot.png" --rms-dir "$work/rms" "$work/Probe game.jar" ||
    fail "the emulator failed"
# Background from the manifest; the sprite moved twice; its second frame keeps a transparent corner.
"$java" -cp "$test_classes" zor.wtk.test.PngProbe "$work/shot.png" \
    5,5=336699 100,100=336699 104,104=00FF00 0,101=336699 ||
    fail "the last frame is not as expected"

if "$wtk/bin/emulator" --headless --time-ms 3000 --keys "300:9+" "$work/Probe game.jar" 2>"$work/err.txt"; then
    fail "a failing MIDlet made the emulator succeed"
fi
grep -q "the probe was asked to fail" "$work/err.txt" || fail "no stack trace of the failure"

mkdir -p "$work/desktop"
ecj -source 1.3 -target 1.3 -classpath "$libs" -d "$work/desktop" "$here/src/UsesDesktopApi.java"
if "$wtk/bin/preverify" -classpath "$libs" -d "$work/refused" "$work/desktop" 2>"$work/err.txt"; then
    fail "preverify accepted a class outside CLDC"
fi
grep -q "java.util.ArrayList" "$work/err.txt" || fail "preverify did not name the missing class"
echo "tool chain: all checks passed"
