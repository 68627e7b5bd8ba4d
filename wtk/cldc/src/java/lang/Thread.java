package java.lang;

public class Thread implements Runnable {
    public static final int MIN_PRIORITY = 1;
    public static final int NORM_PRIORITY = 5;
    public static final int MAX_PRIORITY = 10;
    public Thread() {}
    public Thread(String name) {}
    public Thread(Runnable target) {}
    public Thread(Runnable target, String name) {}
    public static Thread currentThread() { return null; }
    public static void yield() {}
    public static void sleep(long millis) throws InterruptedException {}
    public synchronized void start() {}
    public void run() {}
    public void interrupt() {}
    public final boolean isAlive() { return false; }
    public final void setPriority(int newPriority) {}
    public final int getPriority() { return 0; }
    public final String getName() { return null; }
    public static int activeCount() { return 0; }
    public final void join() throws InterruptedException {}
    public String toString() { return null; }
}
