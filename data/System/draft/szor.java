import javax.microedition.lcdui.Display;
import javax.microedition.midlet.MIDlet;

/**
 * The game's MIDlet. It starts at level 0 (the title screen) and switches levels when a
 * level's events ask for it. Global values live here, so they survive level switches.
 */
public class szor extends MIDlet {
    //vstavka1

    /** The values glob[1..20] of the events. */
    final int[] glob = new int[21];

    private Level running;
    private int current = -1;
    private int requested = -1;

    protected void startApp() {
        synchronized (this) {
            if (running == null) {
                switchTo(0);
            } else {
                running.start();
            }
        }
    }

    protected void pauseApp() {
        synchronized (this) {
            if (running != null) {
                running.stop();
            }
        }
    }

    protected void destroyApp(boolean unconditional) {
        synchronized (this) {
            if (current >= 0) {
                leave(current);
            }
            running = null;
        }
    }

    /**
     * Asks for level `to`. The switch happens when the running level has finished its tick.
     * `from` is the level the action was made on; the running level is left whatever it
     * says, and a level that does not exist is not entered. The first request of a tick wins.
     */
    public void changeEtap(int from, int to) {
        synchronized (this) {
            if (requested < 0 && levelExists(to)) {
                requested = to;
            }
        }
    }

    /** A level announces itself while it is being made. */
    void attach(Level level) {
        synchronized (this) {
            running = level;
        }
    }

    /** Called by the running level after each tick: performs a requested switch. */
    void tickDone(Level level) {
        synchronized (this) {
            if (level != running || requested < 0) {
                return;
            }
            int to = requested;
            requested = -1;
            switchTo(to);
        }
    }

    private void switchTo(int to) {
        if (current >= 0) {
            leave(current);
        }
        current = to;
        enter(to);
    }

    private static boolean levelExists(int number) {
        if (number < 0) {
            return false;
        }
        try {
            Class.forName("Etap" + number);
            return true;
        } catch (ClassNotFoundException e) {
            return false;
        }
    }

    private void leave(int q) {
        switch (q) {
            //vstavka2
            default:
                break;
        }
    }

    private void enter(int q) {
        switch (q) {
            //vstavka3
            default:
                break;
        }
    }
}
