package javax.microedition.lcdui.game;

import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import zor.wtk.Access;
import zor.wtk.Device;

public abstract class GameCanvas extends Canvas {
    public static final int UP_PRESSED = 1 << Canvas.UP;
    public static final int DOWN_PRESSED = 1 << Canvas.DOWN;
    public static final int LEFT_PRESSED = 1 << Canvas.LEFT;
    public static final int RIGHT_PRESSED = 1 << Canvas.RIGHT;
    public static final int FIRE_PRESSED = 1 << Canvas.FIRE;
    public static final int GAME_A_PRESSED = 1 << Canvas.GAME_A;
    public static final int GAME_B_PRESSED = 1 << Canvas.GAME_B;
    public static final int GAME_C_PRESSED = 1 << Canvas.GAME_C;
    public static final int GAME_D_PRESSED = 1 << Canvas.GAME_D;

    static {
        Access.register(new Access.Game() {
            public void keyStateChanged(Canvas canvas, int gameActionBit, boolean pressed) {
                if (canvas instanceof GameCanvas) {
                    ((GameCanvas) canvas).keyStateChanged(gameActionBit, pressed);
                }
            }

            public boolean suppressesKeyEvents(Canvas canvas) {
                return canvas instanceof GameCanvas && ((GameCanvas) canvas).suppressKeyEvents;
            }

            public void hidden(Canvas canvas) {
                if (canvas instanceof GameCanvas) {
                    ((GameCanvas) canvas).keyStateChanged(-1, false);
                }
            }
        });
    }

    /** The off-screen buffer covers the whole screen, so full-screen mode never resizes it. */
    private final Image buffer = Image.createImage(Device.WIDTH, Device.HEIGHT);
    private final boolean suppressKeyEvents;
    private final Object keyLock = new Object();
    private int keysDown;
    private int keysLatched;

    protected GameCanvas(boolean suppressKeyEvents) {
        this.suppressKeyEvents = suppressKeyEvents;
    }

    protected Graphics getGraphics() {
        return buffer.getGraphics();
    }

    public int getKeyStates() {
        if (!isShown()) {
            return 0;
        }
        synchronized (keyLock) {
            int states = keysDown | keysLatched;
            keysLatched = 0;
            return states;
        }
    }

    private void keyStateChanged(int bits, boolean pressed) {
        synchronized (keyLock) {
            if (pressed) {
                keysDown |= bits;
                keysLatched |= bits;
            } else {
                keysDown &= ~bits;
                if (bits == -1) {
                    keysLatched = 0;
                }
            }
        }
    }

    public void paint(Graphics g) {
        g.drawImage(buffer, 0, 0, Graphics.TOP | Graphics.LEFT);
    }

    public void flushGraphics(int x, int y, int width, int height) {
        if (width < 1 || height < 1) {
            return;
        }
        Access.lcdui().flush(this, buffer, x, y, width, height);
    }

    public void flushGraphics() {
        flushGraphics(0, 0, getWidth(), getHeight());
    }
}
