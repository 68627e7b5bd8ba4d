package javax.microedition.lcdui;

import java.util.Timer;
import java.util.TimerTask;
import javax.microedition.midlet.MIDlet;
import zor.wtk.Access;
import zor.wtk.Device;
import zor.wtk.Pixmap;

/**
 * The phone's display. Everything that touches the MIDlet's displayables runs on the event
 * thread; frames are composed here and then published to the device screen.
 */
public class Display {
    public static final int LIST_ELEMENT = 1;
    public static final int CHOICE_GROUP_ELEMENT = 2;
    public static final int ALERT = 3;
    public static final int COLOR_BACKGROUND = 0;
    public static final int COLOR_FOREGROUND = 1;
    public static final int COLOR_HIGHLIGHTED_BACKGROUND = 2;
    public static final int COLOR_HIGHLIGHTED_FOREGROUND = 3;
    public static final int COLOR_BORDER = 4;
    public static final int COLOR_HIGHLIGHTED_BORDER = 5;

    static final int WIDTH = Device.WIDTH;
    static final int HEIGHT = Device.HEIGHT;
    static final int SOFT_BAR_HEIGHT = 20;
    static final int TITLE_HEIGHT = 20;

    private static final int[] COLORS = {
            0xFFFFFF, 0x000000, 0x2050A0, 0xFFFFFF, 0x808080, 0x2050A0};
    private static final Display INSTANCE = new Display();

    static {
        Access.register(new Access.Lcdui() {
            public void keyEvent(int keyCode, int kind) {
                INSTANCE.keyInput(keyCode, kind);
            }

            public void charTyped(char c) {
                INSTANCE.device.events.post(() -> {
                    Displayable d = INSTANCE.current;
                    if (d instanceof Screen && ((Screen) d).charTyped(c)) {
                        INSTANCE.paintWhole();
                    }
                });
            }

            public void flush(Canvas canvas, Image buffer, int x, int y, int width, int height) {
                INSTANCE.flush(canvas, buffer, x, y, width, height);
            }

            public Pixmap pixmap(Image image) {
                return image.pixmap();
            }
        });
    }

    private final Device device = Device.get();
    /** The frame being composed; only the event thread draws on it. */
    private final Pixmap frame = new Pixmap(WIDTH, HEIGHT, false);
    private volatile Displayable current;
    private final Object repaintLock = new Object();
    private boolean repaintPosted;
    private int dirtyLeft;
    private int dirtyTop;
    private int dirtyRight;
    private int dirtyBottom;
    private boolean wholePaintPosted;
    /** A soft key whose press went to a command, so that its release goes nowhere. */
    private int softKeyTaken;
    private Timer alertTimer;

    private Display() {
        frame.fill(0xFFFFFF);
    }

    public static Display getDisplay(MIDlet m) {
        if (m == null) {
            throw new NullPointerException();
        }
        return INSTANCE;
    }

    public int getColor(int colorSpecifier) {
        if (colorSpecifier < 0 || colorSpecifier >= COLORS.length) {
            throw new IllegalArgumentException("bad colour specifier " + colorSpecifier);
        }
        return COLORS[colorSpecifier];
    }

    public int getBorderStyle(boolean highlighted) {
        return highlighted ? Graphics.SOLID : Graphics.DOTTED;
    }

    public boolean isColor() {
        return true;
    }

    public int numColors() {
        return 1 << 24;
    }

    public int numAlphaLevels() {
        return 256;
    }

    public Displayable getCurrent() {
        return current;
    }

    public void setCurrent(Displayable nextDisplayable) {
        if (nextDisplayable == null) {
            return;
        }
        if (nextDisplayable instanceof Alert) {
            setCurrent((Alert) nextDisplayable, current);
            return;
        }
        device.events.post(() -> show(nextDisplayable));
    }

    public void setCurrent(Alert alert, Displayable nextDisplayable) {
        if (alert == null) {
            throw new NullPointerException();
        }
        if (nextDisplayable instanceof Alert) {
            throw new IllegalArgumentException("an alert cannot follow an alert");
        }
        alert.setNext(nextDisplayable);
        device.events.post(() -> show(alert));
    }

    public void setCurrentItem(Item item) {
        Screen owner = item.owner();
        if (owner == null || owner instanceof Alert) {
            throw new IllegalStateException("the item is not in a form");
        }
        setCurrent(owner);
    }

    public void callSerially(Runnable r) {
        device.events.post(r);
    }

    public boolean flashBacklight(int duration) {
        if (duration < 0) {
            throw new IllegalArgumentException("negative duration");
        }
        return false;
    }

    public boolean vibrate(int duration) {
        if (duration < 0) {
            throw new IllegalArgumentException("negative duration");
        }
        return false;
    }

    public int getBestImageWidth(int imageType) {
        checkImageType(imageType);
        return imageType == ALERT ? WIDTH : 16;
    }

    public int getBestImageHeight(int imageType) {
        checkImageType(imageType);
        return imageType == ALERT ? HEIGHT / 2 : 16;
    }

    private static void checkImageType(int imageType) {
        if (imageType < LIST_ELEMENT || imageType > ALERT) {
            throw new IllegalArgumentException("bad image type " + imageType);
        }
    }

    // ---- what displayables ask of the display ----

    static Display instance() {
        return INSTANCE;
    }

    static boolean isShown(Displayable d) {
        return INSTANCE.current == d;
    }

    static int contentHeight(Displayable d) {
        if (d instanceof Canvas) {
            return ((Canvas) d).isFullScreen() ? HEIGHT : HEIGHT - SOFT_BAR_HEIGHT;
        }
        return HEIGHT - TITLE_HEIGHT - SOFT_BAR_HEIGHT;
    }

    private static int contentTop(Displayable d) {
        return d instanceof Canvas ? 0 : TITLE_HEIGHT;
    }

    /** Something shown by the displayable changed: repaint it all if it is on the screen. */
    static void changed(Displayable d) {
        INSTANCE.postWholePaint(d);
    }

    static void sizeChanged(Canvas canvas) {
        Display display = INSTANCE;
        if (display.current == canvas) {
            display.device.events.post(() -> {
                if (display.current == canvas) {
                    canvas.sizeChanged(canvas.getWidth(), canvas.getHeight());
                    display.paintWhole();
                }
            });
        }
    }

    static void repaint(Canvas canvas, int x, int y, int width, int height) {
        Display display = INSTANCE;
        if (display.current != canvas) {
            return;
        }
        int left = Math.max(x, 0);
        int top = Math.max(y, 0);
        int right = (int) Math.min((long) x + width, WIDTH);
        int bottom = (int) Math.min((long) y + height, contentHeight(canvas));
        if (left >= right || top >= bottom) {
            return;
        }
        synchronized (display.repaintLock) {
            if (display.repaintPosted) {
                display.dirtyLeft = Math.min(display.dirtyLeft, left);
                display.dirtyTop = Math.min(display.dirtyTop, top);
                display.dirtyRight = Math.max(display.dirtyRight, right);
                display.dirtyBottom = Math.max(display.dirtyBottom, bottom);
                return;
            }
            display.repaintPosted = true;
            display.dirtyLeft = left;
            display.dirtyTop = top;
            display.dirtyRight = right;
            display.dirtyBottom = bottom;
        }
        display.device.events.post(display::paintDirty);
    }

    static void serviceRepaints(Canvas canvas) {
        Display display = INSTANCE;
        if (display.current != canvas) {
            return;
        }
        display.device.events.invokeAndWait(display::paintDirty);
    }

    // ---- the event thread's work ----

    private void keyInput(int keyCode, int kind) {
        Displayable d = current;
        Access.Game game = Access.game();
        if (kind != Access.KEY_REPEATED && d instanceof Canvas && game != null) {
            int action = Canvas.gameAction(keyCode);
            if (action > 0) {
                game.keyStateChanged((Canvas) d, 1 << action, kind == Access.KEY_PRESSED);
            }
        }
        device.events.post(() -> deliverKey(keyCode, kind));
    }

    private void deliverKey(int keyCode, int kind) {
        Displayable d = current;
        if (d == null) {
            return;
        }
        if (keyCode == Canvas.KEY_SOFT_LEFT || keyCode == Canvas.KEY_SOFT_RIGHT) {
            if (softKeyTaken == keyCode) {
                if (kind == Access.KEY_RELEASED) {
                    softKeyTaken = 0;
                }
                return;
            }
            if (kind == Access.KEY_PRESSED && softKey(d, keyCode == Canvas.KEY_SOFT_LEFT ? 0 : 1)) {
                softKeyTaken = keyCode;
                return;
            }
        }
        d.keyEvent(keyCode, kind);
        if (!(d instanceof Canvas)) {
            paintWhole();
        }
    }

    /**
     * The soft key's command, if it has one: the first command on the left, the second or a
     *  menu of all the others on the right.
     */
    private boolean softKey(final Displayable d, int side) {
        final Command[] commands = d.commands();
        if (side >= commands.length) {
            return false;
        }
        if (side == 0 || commands.length == 2) {
            fire(commands[side], d);
            return true;
        }
        final List menu = new List("Menu", Choice.IMPLICIT);
        for (int i = 1; i < commands.length; i++) {
            menu.append(commands[i].getLabel(), null);
        }
        menu.addCommand(new Command("Back", Command.BACK, 0));
        menu.setCommandListener((c, s) -> {
            show(d);
            if (c == List.SELECT_COMMAND) {
                fire(commands[1 + menu.getSelectedIndex()], d);
            }
        });
        show(menu);
        return true;
    }

    void fire(Command c, Displayable d) {
        CommandListener listener = d.listener();
        if (listener != null) {
            listener.commandAction(c, d);
        } else if (d instanceof Alert) {
            show(((Alert) d).next());
        }
    }

    /** Makes the displayable current, with the notifications a canvas expects. */
    void show(Displayable next) {
        Displayable old = current;
        if (next == null) {
            return;
        }
        if (old != next) {
            if (old instanceof Canvas) {
                Access.Game game = Access.game();
                if (game != null) {
                    game.hidden((Canvas) old);
                }
                ((Canvas) old).hideNotify();
            }
            current = next;
            if (next instanceof Canvas) {
                ((Canvas) next).showNotify();
            }
            if (next instanceof Alert) {
                scheduleDismissal((Alert) next);
            }
        }
        paintWhole();
    }

    private void scheduleDismissal(final Alert alert) {
        int timeout = alert.getTimeout();
        if (timeout == Alert.FOREVER) {
            return;
        }
        if (alertTimer == null) {
            alertTimer = new Timer("alerts", true);
        }
        alertTimer.schedule(new TimerTask() {
            public void run() {
                device.events.post(() -> {
                    if (current == alert) {
                        fire(Alert.DISMISS_COMMAND, alert);
                    }
                });
            }
        }, timeout);
    }

    private void postWholePaint(final Displayable d) {
        if (current != d) {
            return;
        }
        synchronized (repaintLock) {
            if (wholePaintPosted) {
                return;
            }
            wholePaintPosted = true;
        }
        device.events.post(() -> {
            synchronized (repaintLock) {
                wholePaintPosted = false;
            }
            if (current == d) {
                paintWhole();
            }
        });
    }

    private void paintDirty() {
        int left;
        int top;
        int right;
        int bottom;
        synchronized (repaintLock) {
            if (!repaintPosted) {
                return;
            }
            repaintPosted = false;
            left = dirtyLeft;
            top = dirtyTop;
            right = dirtyRight;
            bottom = dirtyBottom;
        }
        Displayable d = current;
        if (!(d instanceof Canvas)) {
            return;
        }
        Graphics g = new Graphics(frame, 0, 0, WIDTH, contentHeight(d));
        g.clipRect(left, top, right - left, bottom - top);
        ((Canvas) d).paint(g);
        device.publish(frame, left, top, right - left, bottom - top);
    }

    /** Paints the current displayable with its title and soft key bar. */
    void paintWhole() {
        Displayable d = current;
        if (d == null) {
            return;
        }
        synchronized (repaintLock) {
            repaintPosted = false;
        }
        int top = contentTop(d);
        int height = contentHeight(d);
        if (top > 0) {
            Graphics g = new Graphics(frame, 0, 0, WIDTH, top);
            g.setColor(COLORS[COLOR_HIGHLIGHTED_BACKGROUND]);
            g.fillRect(0, 0, WIDTH, top);
            g.setColor(COLORS[COLOR_HIGHLIGHTED_FOREGROUND]);
            g.setFont(Font.getFont(Font.FACE_SYSTEM, Font.STYLE_BOLD, Font.SIZE_SMALL));
            String title = d.getTitle();
            g.drawString(
                    title == null ? "" : title, 4, top / 2 + 6, Graphics.LEFT | Graphics.BASELINE);
        }
        d.paintContent(new Graphics(frame, 0, top, WIDTH, height), WIDTH, height);
        if (d.showsSoftBar()) {
            paintSoftBar(d);
        }
        device.publish(frame, 0, 0, WIDTH, HEIGHT);
    }

    private void paintSoftBar(Displayable d) {
        int top = HEIGHT - SOFT_BAR_HEIGHT;
        Graphics g = new Graphics(frame, 0, top, WIDTH, SOFT_BAR_HEIGHT);
        g.setColor(0x303030);
        g.fillRect(0, 0, WIDTH, SOFT_BAR_HEIGHT);
        g.setColor(0xFFFFFF);
        g.setFont(Font.getFont(Font.FACE_SYSTEM, Font.STYLE_BOLD, Font.SIZE_SMALL));
        Command[] commands = d.commands();
        int baseline = SOFT_BAR_HEIGHT / 2 + 5;
        if (commands.length > 0) {
            g.drawString(commands[0].getLabel(), 4, baseline, Graphics.LEFT | Graphics.BASELINE);
        }
        if (commands.length > 1) {
            String right = commands.length == 2 ? commands[1].getLabel() : "Menu";
            g.drawString(right, WIDTH - 4, baseline, Graphics.RIGHT | Graphics.BASELINE);
        }
    }

    private void flush(Canvas canvas, Image buffer, int x, int y, int width, int height) {
        if (current != canvas) {
            return;
        }
        int left = Math.max(x, 0);
        int top = Math.max(y, 0);
        int right = (int) Math.min((long) x + width, WIDTH);
        int bottom = (int) Math.min((long) y + height, contentHeight(canvas));
        if (left < right && top < bottom) {
            device.publish(buffer.pixmap(), left, top, right - left, bottom - top);
        }
    }
}
