package javax.microedition.lcdui;

/** The text, size limit and constraints shared by TextBox and TextField. */
final class TextModel {
    private final StringBuffer text = new StringBuffer();
    private int maxSize;
    private int constraints;
    private int caret;

    TextModel(String initial, int maxSize, int constraints) {
        setMaxSize(maxSize);
        setConstraints(constraints);
        setString(initial);
    }

    String getString() {
        return text.toString();
    }

    void setString(String s) {
        String value = s == null ? "" : s;
        check(value.length());
        text.setLength(0);
        text.append(value);
        caret = text.length();
    }

    int getChars(char[] data) {
        if (data.length < text.length()) {
            throw new ArrayIndexOutOfBoundsException("array shorter than the text");
        }
        text.getChars(0, text.length(), data, 0);
        return text.length();
    }

    void setChars(char[] data, int offset, int length) {
        if (data == null) {
            setString(null);
            return;
        }
        if (offset < 0 || length < 0 || offset > data.length - length) {
            throw new ArrayIndexOutOfBoundsException("offset " + offset + ", length " + length);
        }
        setString(new String(data, offset, length));
    }

    void insert(String src, int position) {
        check(text.length() + src.length());
        int at = Math.max(0, Math.min(position, text.length()));
        text.insert(at, src);
        caret = at + src.length();
    }

    void delete(int offset, int length) {
        if (offset < 0 || length < 0 || offset > text.length() - length) {
            throw new StringIndexOutOfBoundsException("offset " + offset + ", length " + length);
        }
        text.delete(offset, offset + length);
        caret = offset;
    }

    int getMaxSize() {
        return maxSize;
    }

    int setMaxSize(int size) {
        if (size <= 0) {
            throw new IllegalArgumentException("bad maximum size " + size);
        }
        maxSize = size;
        if (text.length() > size) {
            text.setLength(size);
        }
        caret = Math.min(caret, text.length());
        return size;
    }

    int size() {
        return text.length();
    }

    int getCaretPosition() {
        return caret;
    }

    void setConstraints(int c) {
        if ((c & TextField.CONSTRAINT_MASK) > TextField.DECIMAL) {
            throw new IllegalArgumentException("bad constraints " + c);
        }
        constraints = c;
    }

    int getConstraints() {
        return constraints;
    }

    private void check(int length) {
        if (length > maxSize) {
            throw new IllegalArgumentException("text longer than " + maxSize);
        }
    }

    /** Desktop typing: printable characters are inserted at the caret, backspace deletes. */
    boolean type(char c) {
        if ((constraints & TextField.UNEDITABLE) != 0) {
            return false;
        }
        if (c == '\b') {
            if (caret == 0) {
                return false;
            }
            delete(caret - 1, 1);
            return true;
        }
        int kind = constraints & TextField.CONSTRAINT_MASK;
        boolean numeric = kind == TextField.NUMERIC || kind == TextField.DECIMAL
                || kind == TextField.PHONENUMBER;
        if (c < ' ' || text.length() >= maxSize || (numeric && "0123456789-.+*#".indexOf(c) < 0)) {
            return false;
        }
        insert(String.valueOf(c), caret);
        return true;
    }

    String shown() {
        if ((constraints & TextField.PASSWORD) == 0) {
            return text.toString();
        }
        StringBuffer stars = new StringBuffer();
        for (int i = 0; i < text.length(); i++) {
            stars.append('*');
        }
        return stars.toString();
    }
}
