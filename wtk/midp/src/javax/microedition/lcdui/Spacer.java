package javax.microedition.lcdui;

public class Spacer extends Item {
    private int minWidth;
    private int minHeight;

    public Spacer(int minWidth, int minHeight) {
        super(null);
        setMinimumSize(minWidth, minHeight);
    }

    public void setMinimumSize(int minWidth, int minHeight) {
        if (minWidth < 0 || minHeight < 0) {
            throw new IllegalArgumentException("negative spacer size");
        }
        this.minWidth = minWidth;
        this.minHeight = minHeight;
        changed();
    }

    public int getMinimumWidth() {
        return minWidth;
    }

    public int getMinimumHeight() {
        return minHeight;
    }

    public void addCommand(Command cmd) {
        throw new IllegalStateException("a spacer has no commands");
    }

    public void setDefaultCommand(Command cmd) {
        throw new IllegalStateException("a spacer has no commands");
    }

    public void setLabel(String label) {
        throw new IllegalStateException("a spacer has no label");
    }

    int paintContent(Graphics g, int x, int y, int width, boolean focused) {
        return minHeight;
    }
}
