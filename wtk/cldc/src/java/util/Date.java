package java.util;

public class Date {
    public Date() {}
    public Date(long date) {}
    public long getTime() { return 0; }
    public void setTime(long time) {}
    public boolean equals(Object obj) { return false; }
    public int hashCode() { return 0; }
    public String toString() { return null; }
}
