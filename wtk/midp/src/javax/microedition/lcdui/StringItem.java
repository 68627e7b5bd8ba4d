package javax.microedition.lcdui;

public class StringItem extends Item {
    private String text;
    private final int appearanceMode;
    private Font font = Font.getDefaultFont();

    public StringItem(String label, String text) {
        this(label, text, PLAIN);
    }

    public StringItem(String label, String text, int appearanceMode) {
        super(label);
        if (appearanceMode < PLAIN || appearanceMode > BUTTON) {
            throw new IllegalArgumentException("bad appearance " + appearanceMode);
        }
        this.text = text;
        this.appearanceMode = appearanceMode;
    }

    public String getText() {
        return text;
    }

    public void setText(String text) {
        this.text = text;
        changed();
    }

    public int getAppearanceMode() {
        return appearanceMode;
    }

    public void setFont(Font font) {
        this.font = font == null ? Font.getDefaultFont() : font;
        changed();
    }

    public Font getFont() {
        return font;
    }

    int paintContent(Graphics g, int x, int y, int width, boolean focused) {
        if (text == null) {
            return 0;
        }
        if (g != null) {
            g.setColor(focused ? 0x2050A0 : 0x000000);
        }
        return Screen.drawText(g, text, font, x, y, width);
    }
}
