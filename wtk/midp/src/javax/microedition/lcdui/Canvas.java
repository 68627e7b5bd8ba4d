package javax.microedition.lcdui;

import zor.wtk.Access;

public abstract class Canvas extends Displayable {
    public static final int UP = 1;
    public static final int DOWN = 6;
    public static final int LEFT = 2;
    public static final int RIGHT = 5;
    public static final int FIRE = 8;
    public static final int GAME_A = 9;
    public static final int GAME_B = 10;
    public static final int GAME_C = 11;
    public static final int GAME_D = 12;
    public static final int KEY_NUM0 = 48;
    public static final int KEY_NUM1 = 49;
    public static final int KEY_NUM2 = 50;
    public static final int KEY_NUM3 = 51;
    public static final int KEY_NUM4 = 52;
    public static final int KEY_NUM5 = 53;
    public static final int KEY_NUM6 = 54;
    public static final int KEY_NUM7 = 55;
    public static final int KEY_NUM8 = 56;
    public static final int KEY_NUM9 = 57;
    public static final int KEY_STAR = 42;
    public static final int KEY_POUND = 35;

    // The codes of the keys without a character, as most phones of the time numbered them.
    static final int KEY_UP = -1;
    static final int KEY_DOWN = -2;
    static final int KEY_LEFT = -3;
    static final int KEY_RIGHT = -4;
    static final int KEY_SELECT = -5;
    static final int KEY_SOFT_LEFT = -6;
    static final int KEY_SOFT_RIGHT = -7;

    private volatile boolean fullScreen;

    protected Canvas() {}

    public boolean isDoubleBuffered() {
        return true;
    }

    public boolean hasPointerEvents() {
        return false;
    }

    public boolean hasPointerMotionEvents() {
        return false;
    }

    public boolean hasRepeatEvents() {
        return true;
    }

    public int getKeyCode(int gameAction) {
        switch (gameAction) {
            case UP: return KEY_UP;
            case DOWN: return KEY_DOWN;
            case LEFT: return KEY_LEFT;
            case RIGHT: return KEY_RIGHT;
            case FIRE: return KEY_SELECT;
            case GAME_A: return KEY_NUM1;
            case GAME_B: return KEY_NUM3;
            case GAME_C: return KEY_NUM7;
            case GAME_D: return KEY_NUM9;
            default: throw new IllegalArgumentException("bad game action " + gameAction);
        }
    }

    public String getKeyName(int keyCode) {
        if (keyCode >= KEY_NUM0 && keyCode <= KEY_NUM9) {
            return String.valueOf((char) keyCode);
        }
        switch (keyCode) {
            case KEY_STAR: return "*";
            case KEY_POUND: return "#";
            case KEY_UP: return "Up";
            case KEY_DOWN: return "Down";
            case KEY_LEFT: return "Left";
            case KEY_RIGHT: return "Right";
            case KEY_SELECT: return "Select";
            case KEY_SOFT_LEFT: return "Soft 1";
            case KEY_SOFT_RIGHT: return "Soft 2";
            default: throw new IllegalArgumentException("bad key code " + keyCode);
        }
    }

    public int getGameAction(int keyCode) {
        int action = gameAction(keyCode);
        if (action < 0) {
            throw new IllegalArgumentException("bad key code " + keyCode);
        }
        return action;
    }

    /** The game action of a key, 0 for a valid key without one, -1 for an unknown code. */
    static int gameAction(int keyCode) {
        switch (keyCode) {
            case KEY_UP:
            case KEY_NUM2: return UP;
            case KEY_DOWN:
            case KEY_NUM8: return DOWN;
            case KEY_LEFT:
            case KEY_NUM4: return LEFT;
            case KEY_RIGHT:
            case KEY_NUM6: return RIGHT;
            case KEY_SELECT:
            case KEY_NUM5: return FIRE;
            case KEY_NUM1: return GAME_A;
            case KEY_NUM3: return GAME_B;
            case KEY_NUM7: return GAME_C;
            case KEY_NUM9: return GAME_D;
            case KEY_NUM0:
            case KEY_STAR:
            case KEY_POUND:
            case KEY_SOFT_LEFT:
            case KEY_SOFT_RIGHT: return 0;
            default: return -1;
        }
    }

    public void setFullScreenMode(boolean mode) {
        if (fullScreen != mode) {
            fullScreen = mode;
            Display.sizeChanged(this);
        }
    }

    boolean isFullScreen() {
        return fullScreen;
    }

    boolean showsSoftBar() {
        return !fullScreen;
    }

    protected void keyPressed(int keyCode) {}

    protected void keyRepeated(int keyCode) {}

    protected void keyReleased(int keyCode) {}

    protected void pointerPressed(int x, int y) {}

    protected void pointerReleased(int x, int y) {}

    protected void pointerDragged(int x, int y) {}

    public final void repaint(int x, int y, int width, int height) {
        Display.repaint(this, x, y, width, height);
    }

    public final void repaint() {
        repaint(0, 0, getWidth(), getHeight());
    }

    public final void serviceRepaints() {
        Display.serviceRepaints(this);
    }

    protected void showNotify() {}

    protected void hideNotify() {}

    protected abstract void paint(Graphics g);

    protected void sizeChanged(int w, int h) {}

    void paintContent(Graphics g, int width, int height) {
        paint(g);
    }

    void keyEvent(int keyCode, int kind) {
        Access.Game game = Access.game();
        if (game != null && gameAction(keyCode) > 0 && game.suppressesKeyEvents(this)) {
            return;
        }
        if (kind == Access.KEY_PRESSED) {
            keyPressed(keyCode);
        } else if (kind == Access.KEY_RELEASED) {
            keyReleased(keyCode);
        } else {
            keyRepeated(keyCode);
        }
    }
}
