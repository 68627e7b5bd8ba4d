package javax.microedition.lcdui;

public class TextBox extends Screen {
    private final TextModel model;

    public TextBox(String title, String text, int maxSize, int constraints) {
        model = new TextModel(text, maxSize, constraints);
        setTitle(title);
    }

    public String getString() {
        return model.getString();
    }

    public void setString(String text) {
        model.setString(text);
        Display.changed(this);
    }

    public int getChars(char[] data) {
        return model.getChars(data);
    }

    public void setChars(char[] data, int offset, int length) {
        model.setChars(data, offset, length);
        Display.changed(this);
    }

    public void insert(String src, int position) {
        model.insert(src, position);
        Display.changed(this);
    }

    public void insert(char[] data, int offset, int length, int position) {
        if (offset < 0 || length < 0 || offset > data.length - length) {
            throw new ArrayIndexOutOfBoundsException("offset " + offset + ", length " + length);
        }
        insert(new String(data, offset, length), position);
    }

    public void delete(int offset, int length) {
        model.delete(offset, length);
        Display.changed(this);
    }

    public int getMaxSize() {
        return model.getMaxSize();
    }

    public int setMaxSize(int maxSize) {
        int size = model.setMaxSize(maxSize);
        Display.changed(this);
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
        Display.changed(this);
    }

    public int getConstraints() {
        return model.getConstraints();
    }

    public void setInitialInputMode(String characterSubset) {}

    boolean charTyped(char c) {
        return model.type(c);
    }

    void paintContent(Graphics g, int width, int height) {
        g.setColor(0xFFFFFF);
        g.fillRect(0, 0, width, height);
        g.setColor(0x000000);
        drawText(g, model.shown() + "|", Font.getDefaultFont(), MARGIN, MARGIN, width - 2 * MARGIN);
    }

    void keyEvent(int keyCode, int kind) {}
}
