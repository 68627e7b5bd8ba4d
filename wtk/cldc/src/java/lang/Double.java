package java.lang;

public final class Double {
    public static final double POSITIVE_INFINITY = 1.0 / 0.0;
    public static final double NEGATIVE_INFINITY = -1.0 / 0.0;
    public static final double NaN = 0.0d / 0.0;
    public static final double MAX_VALUE = 1.7976931348623157e+308;
    public static final double MIN_VALUE = 4.9e-324;
    public Double(double value) {}
    public static String toString(double d) { return null; }
    public static Double valueOf(String s) throws NumberFormatException { return null; }
    public static double parseDouble(String s) throws NumberFormatException { return 0; }
    public static boolean isNaN(double v) { return false; }
    public static boolean isInfinite(double v) { return false; }
    public boolean isNaN() { return false; }
    public boolean isInfinite() { return false; }
    public String toString() { return null; }
    public byte byteValue() { return 0; }
    public short shortValue() { return 0; }
    public int intValue() { return 0; }
    public long longValue() { return 0; }
    public float floatValue() { return 0; }
    public double doubleValue() { return 0; }
    public int hashCode() { return 0; }
    public boolean equals(Object obj) { return false; }
    public static long doubleToLongBits(double value) { return 0; }
    public static double longBitsToDouble(long bits) { return 0; }
}
