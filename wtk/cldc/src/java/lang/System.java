package java.lang;

import java.io.PrintStream;

public final class System {
    public static final PrintStream out = null;
    public static final PrintStream err = null;
    private System() {}
    public static long currentTimeMillis() { return 0; }
    public static void arraycopy(
            Object src, int srcPosition, Object dst, int dstPosition, int length) {}
    public static int identityHashCode(Object x) { return 0; }
    public static String getProperty(String key) { return null; }
    public static void exit(int status) {}
    public static void gc() {}
}
