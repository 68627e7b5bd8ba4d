package javax.microedition.lcdui;

public class TextField extends Item {
    public static final int ANY = 0;
    public static final int EMAILADDR = 1;
    public static final int NUMERIC = 2;
    public static final int PHONENUMBER = 3;
    public static final int URL = 4;
    public static final int DECIMAL = 5;
    public static final int PASSWORD = 0x10000;
    public static final int UNEDITABLE = 0x20000;
    public static final int SENSITIVE = 0x40000;
    public static final int NON_PREDICTIVE = 0x80000;
    public static final int INITIAL_CAPS_WORD = 0x100000;
    public static final int INITIAL_CAPS_SENTENCE = 0x200000;
    public static final int CONSTRAINT_MASK = 0xFFFF;

    private final TextModel model;

    public TextField(String label, String text, int maxSize, int constraints) {
        super(label);
        model = new TextModel(text, maxSize, constraints);
    }

    public String getString() {
        return model.getString();
    }

    public void setString(String text) {
        model.setString(text);
        changed();
    }

    public int getChars(char[] data) {
        return model.getChars(data);
    }

    public void setChars(char[] data, int offset, int length) {
        model.setChars(data, offset, length);
        changed();
    }

    public void insert(String src, int position) {
        model.insert(src, position);
        changed();
    }

    public void insert(char[] data, int offset, int length, int position) {
        if (offset < 0 || length < 0 || offset > data.length - length) {
            throw new ArrayIndexOutOfBoundsException("offset " + offset + ", length " + length);
        }
        insert(new String(data, offset, length), position);
    }

    public void delete(int offset, int length) {
        model.delete(offset, length);
        changed();
    }

    public int getMaxSize() {
        return model.getMaxSize();
    }

    public int setMaxSize(int maxSize) {
        int size = model.setMaxSize(maxSize);
        changed();
        return size;
    }

    public int size() {
        return model.size();
    }

    public int getCaretPosition() {
        return model.getCaretPosition();
    }

    public void setConstraints(int constraints) {
        model.setConstraints(constraints);
        changed();
    }

    public int getConstraints() {
        return model.getConstraints();
    }

    public void setInitialInputMode(String characterSubset) {}

    boolean isFocusable() {
        return true;
    }

    boolean charTyped(char c) {
        if (!model.type(c)) {
            return false;
        }
        notifyStateChanged();
        return true;
    }

    int paintContent(Graphics g, int x, int y, int width, boolean focused) {
        Font font = Font.getDefaultFont();
        int height = font.getHeight() + 4;
        if (g != null) {
            g.setColor(focused ? 0x2050A0 : 0x808080);
            g.drawRect(x, y, width - 1, height - 1);
            g.setColor(0x000000);
            g.setFont(font);
            g.drawString(model.shown() + (focused ? "|" : ""), x + 2, y + 2,
                    Graphics.LEFT | Graphics.TOP);
        }
        return height + 2;
    }
}
