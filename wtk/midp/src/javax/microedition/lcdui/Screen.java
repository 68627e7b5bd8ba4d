package javax.microedition.lcdui;

import java.util.ArrayList;

public abstract class Screen extends Displayable {
    static final int MARGIN = 4;

    Screen() {}

    /** A character typed on the desktop keyboard; true when the screen changed. */
    boolean charTyped(char c) {
        return false;
    }

    /** Breaks text into lines no wider than width, at blanks where possible. */
    static java.util.List<String> wrap(String text, Font font, int width) {
        java.util.List<String> lines = new ArrayList<String>();
        for (String paragraph : text.split("\n", -1)) {
            int start = 0;
            while (start < paragraph.length()) {
                int end = start + 1;
                int lastBlank = -1;
                while (end <= paragraph.length()
                        && font.stringWidth(paragraph.substring(start, end)) <= width) {
                    if (paragraph.charAt(end - 1) == ' ') {
                        lastBlank = end;
                    }
                    end++;
                }
                end--;
                if (end < paragraph.length() && lastBlank > start) {
                    end = lastBlank;
                }
                end = Math.max(end, start + 1);
                lines.add(paragraph.substring(start, end));
                start = end;
            }
            if (paragraph.isEmpty()) {
                lines.add("");
            }
        }
        return lines;
    }

    /** Draws wrapped text from y on and returns the height used. */
    static int drawText(Graphics g, String text, Font font, int x, int y, int width) {
        int height = 0;
        for (String line : wrap(text, font, width)) {
            if (g != null) {
                g.setFont(font);
                g.drawString(line, x, y + height, Graphics.LEFT | Graphics.TOP);
            }
            height += font.getHeight();
        }
        return height;
    }
}
