package javax.microedition.lcdui;

public class Gauge extends Item {
    public static final int INDEFINITE = -1;
    public static final int CONTINUOUS_IDLE = 0;
    public static final int INCREMENTAL_IDLE = 1;
    public static final int CONTINUOUS_RUNNING = 2;
    public static final int INCREMENTAL_UPDATING = 3;

    private final boolean interactive;
    private int maxValue;
    private int value;

    public Gauge(String label, boolean interactive, int maxValue, int initialValue) {
        super(label);
        this.interactive = interactive;
        setMaxValue(maxValue);
        setValue(initialValue);
    }

    public void setValue(int value) {
        if (maxValue == INDEFINITE) {
            if (value < CONTINUOUS_IDLE || value > INCREMENTAL_UPDATING) {
                throw new IllegalArgumentException("bad indefinite gauge value " + value);
            }
            this.value = value;
        } else {
            this.value = Math.max(0, Math.min(value, maxValue));
        }
        changed();
    }

    public int getValue() {
        return value;
    }

    public void setMaxValue(int maxValue) {
        if (maxValue <= 0 && !(maxValue == INDEFINITE && !interactive)) {
            throw new IllegalArgumentException("bad gauge maximum " + maxValue);
        }
        this.maxValue = maxValue;
        if (maxValue == INDEFINITE) {
            value = INCREMENTAL_IDLE;
        } else {
            value = Math.min(value, maxValue);
        }
        changed();
    }

    public int getMaxValue() {
        return maxValue;
    }

    public boolean isInteractive() {
        return interactive;
    }

    boolean isFocusable() {
        return interactive;
    }

    boolean sideways(int step) {
        if (!interactive) {
            return false;
        }
        int old = value;
        setValue(value + step);
        if (value != old) {
            notifyStateChanged();
        }
        return value != old;
    }

    int paintContent(Graphics g, int x, int y, int width, boolean focused) {
        int height = 12;
        if (g != null) {
            g.setColor(focused ? 0x2050A0 : 0x000000);
            g.drawRect(x, y, width - 1, height - 1);
            int filled = maxValue > 0 ? (width - 4) * value / maxValue : 0;
            g.fillRect(x + 2, y + 2, filled, height - 4);
        }
        return height + 2;
    }
}
