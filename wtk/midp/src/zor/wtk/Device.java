package zor.wtk;

import java.awt.Color;
import java.awt.FontMetrics;
import java.awt.Graphics2D;
import java.awt.RenderingHints;
import java.io.PrintWriter;
import java.io.StringWriter;
import java.util.ArrayList;
import java.util.List;

/**
 * The phone: a 240 x 320 screen, the event thread, and what happens when the game fails or
 * ends. One per process, as one MIDlet runs at a time.
 */
public final class Device {
    public static final int WIDTH = 240;
    public static final int HEIGHT = 320;

    /** Listens for the end of the game: a failure (with its cause) or notifyDestroyed (null). */
    public interface EndListener {
        void ended(Throwable failure);
    }

    private static Device instance;

    /** What the user sees; guarded by itself. */
    private final Pixmap screen = new Pixmap(WIDTH, HEIGHT, false);
    public final EventQueue events;
    private volatile Runnable presenter;
    private volatile EndListener endListener;
    private Throwable failure;

    private Device() {
        screen.fill(0xFFFFFF);
        events = new EventQueue(this);
    }

    public static synchronized Device get() {
        if (instance == null) {
            instance = new Device();
        }
        return instance;
    }

    /** Called after every change of the screen, from any thread (the window repaints). */
    public void setPresenter(Runnable presenter) {
        this.presenter = presenter;
    }

    public void setEndListener(EndListener listener) {
        endListener = listener;
    }

    /** Copies a region of a composed frame to the screen, unless a failure is being shown. */
    public void publish(Pixmap frame, int x, int y, int width, int height) {
        int x0 = Math.max(x, 0);
        int y0 = Math.max(y, 0);
        int x1 = Math.min(x + width, WIDTH);
        int y1 = Math.min(y + height, HEIGHT);
        if (x0 >= x1 || y0 >= y1) {
            return;
        }
        synchronized (screen) {
            if (failure != null) {
                return;
            }
            for (int row = y0; row < y1; row++) {
                System.arraycopy(
                        frame.data, row * WIDTH + x0, screen.data, row * WIDTH + x0, x1 - x0);
            }
        }
        present();
    }

    private void present() {
        Runnable p = presenter;
        if (p != null) {
            p.run();
        }
    }

    /** Runs the action with the screen held still, for drawing it or saving it. */
    public void withScreen(java.util.function.Consumer<Pixmap> action) {
        synchronized (screen) {
            action.accept(screen);
        }
    }

    public void keyInput(int keyCode, int kind) {
        Access.lcdui().keyEvent(keyCode, kind);
    }

    public void charTyped(char c) {
        Access.lcdui().charTyped(c);
    }

    public synchronized Throwable failure() {
        return failure;
    }

    /** The game threw: its trace goes to stderr, its message onto the frozen screen. */
    public void crash(Throwable t) {
        synchronized (screen) {
            if (failure != null) {
                return;
            }
            failure = t;
            System.err.println("Uncaught exception in the MIDlet:");
            t.printStackTrace();
            drawFailure(t);
        }
        present();
        EndListener listener = endListener;
        if (listener != null) {
            listener.ended(t);
        }
    }

    /** The MIDlet said notifyDestroyed. */
    public void destroyed() {
        EndListener listener = endListener;
        if (listener != null) {
            listener.ended(null);
        }
    }

    private void drawFailure(Throwable t) {
        Graphics2D g = screen.image.createGraphics();
        g.setRenderingHint(
                RenderingHints.KEY_TEXT_ANTIALIASING, RenderingHints.VALUE_TEXT_ANTIALIAS_ON);
        g.setColor(new Color(0x80, 0x10, 0x10));
        g.fillRect(0, 0, WIDTH, HEIGHT);
        g.setColor(Color.WHITE);
        g.setFont(new java.awt.Font(java.awt.Font.SANS_SERIF, java.awt.Font.BOLD, 13));
        FontMetrics fm = g.getFontMetrics();
        int y = 8 + fm.getAscent();
        g.drawString("Uncaught exception", 6, y);
        g.setFont(new java.awt.Font(java.awt.Font.SANS_SERIF, java.awt.Font.PLAIN, 11));
        fm = g.getFontMetrics();
        y += fm.getHeight() + 6;
        StringWriter trace = new StringWriter();
        t.printStackTrace(new PrintWriter(trace));
        for (String line : wrap(trace.toString().replace("\t", "  "), fm, WIDTH - 12)) {
            if (y > HEIGHT - 4) {
                break;
            }
            g.drawString(line, 6, y);
            y += fm.getHeight();
        }
        g.dispose();
    }

    private static List<String> wrap(String text, FontMetrics fm, int width) {
        List<String> lines = new ArrayList<>();
        for (String paragraph : text.split("\r?\n")) {
            StringBuilder line = new StringBuilder();
            for (int i = 0; i < paragraph.length(); i++) {
                char c = paragraph.charAt(i);
                if (fm.stringWidth(line.toString() + c) > width && line.length() > 0) {
                    lines.add(line.toString());
                    line.setLength(0);
                }
                line.append(c);
            }
            lines.add(line.toString());
        }
        return lines;
    }
}
