package zor.wtk;

import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Image;
import javax.microedition.midlet.MIDlet;

/**
 * Doors between the MIDP packages and the runtime. The API classes register their side when they
 * are initialised, so that no public or protected MIDP signature shows a runtime type.
 */
public final class Access {
    /** What the runtime asks of javax.microedition.lcdui. */
    public interface Lcdui {
        void keyEvent(int keyCode, int kind);

        void charTyped(char c);

        void flush(Canvas canvas, Image buffer, int x, int y, int width, int height);

        Pixmap pixmap(Image image);
    }

    /** What javax.microedition.lcdui asks of GameCanvas. */
    public interface Game {
        void keyStateChanged(Canvas canvas, int gameActionBit, boolean pressed);

        boolean suppressesKeyEvents(Canvas canvas);

        void hidden(Canvas canvas);
    }

    /** Lifecycle calls into javax.microedition.midlet. */
    public interface Midlet {
        void start(MIDlet midlet) throws Exception;

        void pause(MIDlet midlet);

        void destroy(MIDlet midlet) throws Exception;
    }

    public static final int KEY_PRESSED = 0;
    public static final int KEY_RELEASED = 1;
    public static final int KEY_REPEATED = 2;

    private static volatile Lcdui lcdui;
    private static volatile Game game;
    private static volatile Midlet midlet;

    private Access() {}

    public static void register(Lcdui access) {
        lcdui = access;
    }

    public static void register(Game access) {
        game = access;
    }

    public static void register(Midlet access) {
        midlet = access;
    }

    public static Lcdui lcdui() {
        initialize("javax.microedition.lcdui.Display");
        return lcdui;
    }

    /** Null until a GameCanvas class exists, and then no canvas can be a GameCanvas. */
    public static Game game() {
        return game;
    }

    public static Midlet midlet() {
        initialize("javax.microedition.midlet.MIDlet");
        return midlet;
    }

    private static void initialize(String className) {
        try {
            Class.forName(className, true, Access.class.getClassLoader());
        } catch (ClassNotFoundException e) {
            throw new IllegalStateException(e);
        }
    }
}
