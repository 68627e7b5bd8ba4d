package zor.wtk.test;

import javax.microedition.lcdui.Display;
import javax.microedition.lcdui.Displayable;
import javax.microedition.midlet.MIDlet;
import zor.wtk.Access;
import zor.wtk.Device;

/** Drives the emulated phone from tests: shows displayables, presses keys, reads the screen. */
final class Phone {
    private static final MIDlet MIDLET = new MIDlet() {
        protected void startApp() {}

        protected void pauseApp() {}

        protected void destroyApp(boolean unconditional) {}
    };

    private Phone() {}

    static Display display() {
        return Display.getDisplay(MIDLET);
    }

    static void show(Displayable d) {
        display().setCurrent(d);
        settle();
    }

    /** Waits until the event thread has handled everything posted so far. */
    static void settle() {
        Device.get().events.invokeAndWait(() -> {});
    }

    static void key(int code, boolean pressed) {
        Device.get().keyInput(code, pressed ? Access.KEY_PRESSED : Access.KEY_RELEASED);
    }

    static void tap(int code) {
        key(code, true);
        key(code, false);
        settle();
    }

    static int screenPixel(int x, int y) {
        int[] pixel = new int[1];
        Device.get().withScreen(screen -> pixel[0] = screen.argb(x, y) & 0xFFFFFF);
        return pixel[0];
    }
}
