package java.io;

public class ByteArrayOutputStream extends OutputStream {
    protected byte[] buf;
    protected int count;
    public ByteArrayOutputStream() {}
    public ByteArrayOutputStream(int size) {}
    public synchronized void write(int b) {}
    public synchronized void write(byte[] b, int off, int len) {}
    public synchronized void reset() {}
    public synchronized byte[] toByteArray() { return null; }
    public int size() { return 0; }
    public String toString() { return null; }
    public synchronized void close() throws IOException {}
}
