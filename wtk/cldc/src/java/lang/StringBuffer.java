package java.lang;

public final class StringBuffer {
    public StringBuffer() {}
    public StringBuffer(int length) {}
    public StringBuffer(String str) {}
    public int length() { return 0; }
    public int capacity() { return 0; }
    public void ensureCapacity(int minimumCapacity) {}
    public void setLength(int newLength) {}
    public char charAt(int index) { return 0; }
    public void getChars(int srcBegin, int srcEnd, char[] dst, int dstBegin) {}
    public void setCharAt(int index, char ch) {}
    public StringBuffer append(Object obj) { return null; }
    public StringBuffer append(String str) { return null; }
    public StringBuffer append(char[] str) { return null; }
    public StringBuffer append(char[] str, int offset, int len) { return null; }
    public StringBuffer append(boolean b) { return null; }
    public StringBuffer append(char c) { return null; }
    public StringBuffer append(int i) { return null; }
    public StringBuffer append(long l) { return null; }
    public StringBuffer append(float f) { return null; }
    public StringBuffer append(double d) { return null; }
    public StringBuffer delete(int start, int end) { return null; }
    public StringBuffer deleteCharAt(int index) { return null; }
    public StringBuffer insert(int offset, Object obj) { return null; }
    public StringBuffer insert(int offset, String str) { return null; }
    public StringBuffer insert(int offset, char[] str) { return null; }
    public StringBuffer insert(int offset, boolean b) { return null; }
    public StringBuffer insert(int offset, char c) { return null; }
    public StringBuffer insert(int offset, int i) { return null; }
    public StringBuffer insert(int offset, long l) { return null; }
    public StringBuffer insert(int offset, float f) { return null; }
    public StringBuffer insert(int offset, double d) { return null; }
    public StringBuffer reverse() { return null; }
    public String toString() { return null; }
}
