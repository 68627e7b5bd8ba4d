import java.util.Vector;
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;

/**
 * A text broken into lines that fit a width: at line breaks, between words, and inside a word
 * that is wider than the whole width. The title screen and the engine's messages use it.
 */
public class MultiLineText {
    private final Font font;
    private final String[] lines;

    public MultiLineText(String text, Font font, int width) {
        this.font = font;
        Vector broken = new Vector();
        int start = 0;
        while (start <= text.length()) {
            int end = text.indexOf('\n', start);
            if (end < 0) {
                end = text.length();
            }
            breakParagraph(text.substring(start, end), width, broken);
            start = end + 1;
        }
        lines = new String[broken.size()];
        broken.copyInto(lines);
    }

    public int getLineCount() {
        return lines.length;
    }

    public String getLine(int index) {
        return lines[index];
    }

    public int getHeight() {
        return lines.length * font.getHeight();
    }

    /**
     * Paints the lines downwards from y. The anchor's horizontal part (LEFT, HCENTER or RIGHT)
     * places every line against x; the text block's top is at y.
     */
    public void paint(Graphics g, int x, int y, int anchor) {
        int horizontal = anchor & (Graphics.LEFT | Graphics.HCENTER | Graphics.RIGHT);
        if (horizontal == 0) {
            horizontal = Graphics.LEFT;
        }
        g.setFont(font);
        for (int i = 0; i < lines.length; i++) {
            g.drawString(lines[i], x, y + i * font.getHeight(), Graphics.TOP | horizontal);
        }
    }

    private void breakParagraph(String paragraph, int width, Vector broken) {
        String line = "";
        int at = 0;
        while (at < paragraph.length()) {
            int space = paragraph.indexOf(' ', at);
            String word = paragraph.substring(at, space < 0 ? paragraph.length() : space);
            at = space < 0 ? paragraph.length() : space + 1;
            String joined = line.length() == 0 ? word : line + " " + word;
            if (font.stringWidth(joined) <= width) {
                line = joined;
                continue;
            }
            if (line.length() > 0) {
                broken.addElement(line);
            }
            line = word;
            while (line.length() > 1 && font.stringWidth(line) > width) {
                int fits = fittingLength(line, width);
                broken.addElement(line.substring(0, fits));
                line = line.substring(fits);
            }
        }
        broken.addElement(line);
    }

    /** How many leading characters of a text fit the width; at least one. */
    private int fittingLength(String text, int width) {
        int length = 1;
        while (length < text.length() && font.substringWidth(text, 0, length + 1) <= width) {
            length++;
        }
        return length;
    }
}
