package zor.wtk;

import java.util.concurrent.LinkedBlockingQueue;

/**
 * The one thread that delivers lifecycle calls, key events, paints and serial calls to the
 * MIDlet, one at a time. Whatever a task throws is reported as the game's failure.
 */
public final class EventQueue {
    private final LinkedBlockingQueue<Runnable> tasks = new LinkedBlockingQueue<>();
    private final Thread thread;

    EventQueue(final Device device) {
        thread = new Thread(() -> {
            while (true) {
                Runnable task;
                try {
                    task = tasks.take();
                } catch (InterruptedException e) {
                    return;
                }
                try {
                    task.run();
                } catch (Throwable t) {
                    device.crash(t);
                }
            }
        }, "MIDP events");
        thread.setDaemon(true);
        thread.start();
    }

    public void post(Runnable task) {
        tasks.add(task);
    }

    public boolean isEventThread() {
        return Thread.currentThread() == thread;
    }

    /** Runs the task on the event thread and waits for it; runs it at once on that thread. */
    public void invokeAndWait(Runnable task) {
        if (isEventThread()) {
            task.run();
            return;
        }
        final Object done = new Object();
        final boolean[] finished = {false};
        post(() -> {
            try {
                task.run();
            } finally {
                synchronized (done) {
                    finished[0] = true;
                    done.notifyAll();
                }
            }
        });
        synchronized (done) {
            while (!finished[0]) {
                try {
                    done.wait();
                } catch (InterruptedException e) {
                    Thread.currentThread().interrupt();
                    return;
                }
            }
        }
    }
}
