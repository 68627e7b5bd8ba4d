package java.lang;

public final class Math {
    public static final double E = 2.718281828459045;
    public static final double PI = 3.141592653589793;
    private Math() {}
    public static int abs(int a) { return 0; }
    public static long abs(long a) { return 0; }
    public static float abs(float a) { return 0; }
    public static double abs(double a) { return 0; }
    public static int max(int a, int b) { return 0; }
    public static long max(long a, long b) { return 0; }
    public static float max(float a, float b) { return 0; }
    public static double max(double a, double b) { return 0; }
    public static int min(int a, int b) { return 0; }
    public static long min(long a, long b) { return 0; }
    public static float min(float a, float b) { return 0; }
    public static double min(double a, double b) { return 0; }
    public static double ceil(double a) { return 0; }
    public static double floor(double a) { return 0; }
    public static double sqrt(double a) { return 0; }
    public static double sin(double a) { return 0; }
    public static double cos(double a) { return 0; }
    public static double tan(double a) { return 0; }
    public static double toRadians(double angdeg) { return 0; }
    public static double toDegrees(double angrad) { return 0; }
}
