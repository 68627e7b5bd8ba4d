package javax.microedition.lcdui;

import java.util.ArrayList;

public abstract class Item {
    public static final int LAYOUT_DEFAULT = 0;
    public static final int LAYOUT_LEFT = 1;
    public static final int LAYOUT_RIGHT = 2;
    public static final int LAYOUT_CENTER = 3;
    public static final int LAYOUT_TOP = 0x10;
    public static final int LAYOUT_BOTTOM = 0x20;
    public static final int LAYOUT_VCENTER = 0x30;
    public static final int LAYOUT_NEWLINE_BEFORE = 0x100;
    public static final int LAYOUT_NEWLINE_AFTER = 0x200;
    public static final int LAYOUT_SHRINK = 0x400;
    public static final int LAYOUT_EXPAND = 0x800;
    public static final int LAYOUT_VSHRINK = 0x1000;
    public static final int LAYOUT_VEXPAND = 0x2000;
    public static final int LAYOUT_2 = 0x4000;
    public static final int PLAIN = 0;
    public static final int HYPERLINK = 1;
    public static final int BUTTON = 2;

    private static final int LAYOUT_BITS = 0x7F33;

    private String label;
    private int layout;
    private Screen owner;
    private final ArrayList<Command> commands = new ArrayList<Command>();
    private ItemCommandListener commandListener;
    private Command defaultCommand;
    private int preferredWidth = -1;
    private int preferredHeight = -1;

    Item(String label) {
        this.label = label;
    }

    public void setLabel(String label) {
        checkNotInAlert();
        this.label = label;
        changed();
    }

    public String getLabel() {
        return label;
    }

    public int getLayout() {
        return layout;
    }

    public void setLayout(int layout) {
        checkNotInAlert();
        if ((layout & ~LAYOUT_BITS) != 0) {
            throw new IllegalArgumentException("bad layout " + layout);
        }
        this.layout = layout;
    }

    public void addCommand(Command cmd) {
        checkNotInAlert();
        if (cmd == null) {
            throw new NullPointerException();
        }
        if (!commands.contains(cmd)) {
            commands.add(cmd);
        }
    }

    public void removeCommand(Command cmd) {
        commands.remove(cmd);
        if (cmd == defaultCommand) {
            defaultCommand = null;
        }
    }

    public void setItemCommandListener(ItemCommandListener l) {
        checkNotInAlert();
        commandListener = l;
    }

    public int getPreferredWidth() {
        return preferredWidth >= 0 ? preferredWidth : Display.WIDTH - 2 * Screen.MARGIN;
    }

    public int getPreferredHeight() {
        return preferredHeight >= 0 ? preferredHeight : height(getPreferredWidth());
    }

    public void setPreferredSize(int width, int height) {
        checkNotInAlert();
        if (width < -1 || height < -1) {
            throw new IllegalArgumentException("bad preferred size");
        }
        preferredWidth = width;
        preferredHeight = height;
    }

    public int getMinimumWidth() {
        return 16;
    }

    public int getMinimumHeight() {
        return Font.getDefaultFont().getHeight();
    }

    public void setDefaultCommand(Command cmd) {
        checkNotInAlert();
        defaultCommand = cmd;
        if (cmd != null) {
            addCommand(cmd);
        }
    }

    public void notifyStateChanged() {
        if (!(owner instanceof Form)) {
            throw new IllegalStateException("the item is not in a form");
        }
        ((Form) owner).itemChanged(this);
    }

    Screen owner() {
        return owner;
    }

    void setOwner(Screen screen) {
        if (screen != null && owner != null) {
            throw new IllegalStateException("the item is already in a screen");
        }
        owner = screen;
    }

    void changed() {
        if (owner != null) {
            Display.changed(owner);
        }
    }

    private void checkNotInAlert() {
        if (owner instanceof Alert) {
            throw new IllegalStateException("the item belongs to an alert");
        }
    }

    /** The fire key on a focused item: its own action, then its default command. */
    void activate() {
        if (defaultCommand != null && commandListener != null) {
            commandListener.commandAction(defaultCommand, this);
        }
    }

    boolean isFocusable() {
        return defaultCommand != null;
    }

    /** Left and right on a focused item; true when it changed. */
    boolean sideways(int step) {
        return false;
    }

    boolean charTyped(char c) {
        return false;
    }

    int height(int width) {
        return paint(null, 0, 0, width, false);
    }

    /**
     * Draws the label and the content from y on (only measures when g is null); returns the
     *  height.
     */
    int paint(Graphics g, int x, int y, int width, boolean focused) {
        int used = 0;
        if (label != null && label.length() > 0) {
            if (g != null) {
                g.setColor(0x000000);
            }
            used += Screen.drawText(g, label,
                    Font.getFont(Font.FACE_SYSTEM, Font.STYLE_BOLD, Font.SIZE_SMALL), x, y, width);
        }
        return used + paintContent(g, x, y + used, width, focused);
    }

    abstract int paintContent(Graphics g, int x, int y, int width, boolean focused);
}
