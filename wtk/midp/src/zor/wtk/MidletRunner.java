package zor.wtk;

import javax.microedition.midlet.MIDlet;
import javax.microedition.midlet.MIDletStateChangeException;

/** Drives one MIDlet through its states; every lifecycle call runs on the event thread. */
public final class MidletRunner {
    private enum State { PAUSED, ACTIVE, DESTROYED }

    private static volatile MidletRunner current;

    private final Device device = Device.get();
    private MIDlet midlet;
    private volatile State state = State.PAUSED;

    private MidletRunner() {}

    /** Constructs the MIDlet class on the event thread; its failure is the game's failure. */
    public static MidletRunner launch(final Class<?> midletClass) {
        final MidletRunner runner = new MidletRunner();
        current = runner;
        runner.device.events.post(() -> {
            try {
                runner.midlet = (MIDlet) midletClass.getDeclaredConstructor().newInstance();
            } catch (java.lang.reflect.InvocationTargetException e) {
                runner.state = State.DESTROYED;
                runner.device.crash(e.getCause());
                return;
            } catch (ReflectiveOperationException e) {
                runner.state = State.DESTROYED;
                runner.device.crash(e);
                return;
            }
            runner.startNow();
        });
        return runner;
    }

    private void startNow() {
        if (state != State.PAUSED || midlet == null) {
            return;
        }
        try {
            Access.midlet().start(midlet);
            if (state == State.PAUSED) {
                state = State.ACTIVE;
            }
        } catch (MIDletStateChangeException e) {
            // The MIDlet asked to stay paused for now.
        } catch (Throwable t) {
            destroyNow();
            device.crash(t);
        }
    }

    private void destroyNow() {
        if (state == State.DESTROYED || midlet == null) {
            return;
        }
        state = State.DESTROYED;
        try {
            Access.midlet().destroy(midlet);
        } catch (Exception e) {
            // Destruction is unconditional: a refusal changes nothing.
        }
    }

    /** Ends the MIDlet as the user closing the emulator does, waiting for destroyApp. */
    public void destroy() {
        device.events.invokeAndWait(this::destroyNow);
    }

    public static void notifyDestroyed(MIDlet midlet) {
        MidletRunner runner = current;
        if (runner != null && runner.midlet == midlet) {
            runner.state = State.DESTROYED;
        }
        Device.get().destroyed();
    }

    public static void notifyPaused(MIDlet midlet) {
        MidletRunner runner = current;
        if (runner != null && runner.midlet == midlet && runner.state == State.ACTIVE) {
            runner.state = State.PAUSED;
        }
    }

    public static void resumeRequest(MIDlet midlet) {
        final MidletRunner runner = current;
        if (runner != null && runner.midlet == midlet) {
            runner.device.events.post(runner::startNow);
        }
    }
}
