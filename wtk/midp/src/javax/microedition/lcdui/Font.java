package javax.microedition.lcdui;

import java.awt.FontMetrics;
import java.awt.image.BufferedImage;

public final class Font {
    public static final int STYLE_PLAIN = 0;
    public static final int STYLE_BOLD = 1;
    public static final int STYLE_ITALIC = 2;
    public static final int STYLE_UNDERLINED = 4;
    public static final int SIZE_SMALL = 8;
    public static final int SIZE_MEDIUM = 0;
    public static final int SIZE_LARGE = 16;
    public static final int FACE_SYSTEM = 0;
    public static final int FACE_MONOSPACE = 32;
    public static final int FACE_PROPORTIONAL = 64;
    public static final int FONT_STATIC_TEXT = 0;
    public static final int FONT_INPUT_TEXT = 1;

    private static final Font[] CACHE = new Font[3 * 8 * 3];

    private final int face;
    private final int style;
    private final int size;
    private final java.awt.Font awtFont;
    private final FontMetrics metrics;

    private Font(int face, int style, int size) {
        this.face = face;
        this.style = style;
        this.size = size;
        String name = face == FACE_MONOSPACE ? java.awt.Font.MONOSPACED : java.awt.Font.SANS_SERIF;
        int awtStyle = ((style & STYLE_BOLD) != 0 ? java.awt.Font.BOLD : 0)
                | ((style & STYLE_ITALIC) != 0 ? java.awt.Font.ITALIC : 0);
        int points = size == SIZE_SMALL ? 11 : size == SIZE_LARGE ? 16 : 13;
        awtFont = new java.awt.Font(name, awtStyle, points);
        BufferedImage scratch = new BufferedImage(1, 1, BufferedImage.TYPE_INT_RGB);
        java.awt.Graphics2D g = scratch.createGraphics();
        metrics = g.getFontMetrics(awtFont);
        g.dispose();
    }

    public static Font getDefaultFont() {
        return getFont(FACE_SYSTEM, STYLE_PLAIN, SIZE_MEDIUM);
    }

    public static Font getFont(int fontSpecifier) {
        if (fontSpecifier != FONT_STATIC_TEXT && fontSpecifier != FONT_INPUT_TEXT) {
            throw new IllegalArgumentException("bad font specifier " + fontSpecifier);
        }
        return getDefaultFont();
    }

    public static Font getFont(int face, int style, int size) {
        if (face != FACE_SYSTEM && face != FACE_MONOSPACE && face != FACE_PROPORTIONAL) {
            throw new IllegalArgumentException("bad font face " + face);
        }
        if ((style & ~7) != 0) {
            throw new IllegalArgumentException("bad font style " + style);
        }
        if (size != SIZE_SMALL && size != SIZE_MEDIUM && size != SIZE_LARGE) {
            throw new IllegalArgumentException("bad font size " + size);
        }
        int index = (face / 32 * 8 + style) * 3 + size / 8;
        synchronized (CACHE) {
            if (CACHE[index] == null) {
                CACHE[index] = new Font(face, style, size);
            }
            return CACHE[index];
        }
    }

    public int getStyle() {
        return style;
    }

    public int getSize() {
        return size;
    }

    public int getFace() {
        return face;
    }

    public boolean isPlain() {
        return style == STYLE_PLAIN;
    }

    public boolean isBold() {
        return (style & STYLE_BOLD) != 0;
    }

    public boolean isItalic() {
        return (style & STYLE_ITALIC) != 0;
    }

    public boolean isUnderlined() {
        return (style & STYLE_UNDERLINED) != 0;
    }

    public int getHeight() {
        return metrics.getHeight();
    }

    public int getBaselinePosition() {
        return metrics.getAscent();
    }

    public int charWidth(char ch) {
        return metrics.charWidth(ch);
    }

    public int charsWidth(char[] ch, int offset, int length) {
        checkRange(ch.length, offset, length);
        return metrics.charsWidth(ch, offset, length);
    }

    public int stringWidth(String str) {
        return metrics.stringWidth(str);
    }

    public int substringWidth(String str, int offset, int len) {
        checkRange(str.length(), offset, len);
        return metrics.stringWidth(str.substring(offset, offset + len));
    }

    java.awt.Font awtFont() {
        return awtFont;
    }

    static void checkRange(int total, int offset, int length) {
        if (offset < 0 || length < 0 || offset > total - length) {
            throw new StringIndexOutOfBoundsException("offset " + offset + ", length " + length);
        }
    }
}
