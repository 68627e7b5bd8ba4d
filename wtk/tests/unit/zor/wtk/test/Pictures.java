package zor.wtk.test;

import java.util.HashMap;
import java.util.Map;
import javax.microedition.lcdui.Image;

/** Small images written as rows of letters, one letter a pixel ('.' is transparent). */
final class Pictures {
    private static final Map<Character, Integer> PALETTE = new HashMap<>();
    private static final Map<Integer, Character> LETTERS = new HashMap<>();

    static {
        color('.', 0x00000000);
        color('w', 0xFFFFFFFF);
        color('k', 0xFF000000);
        color('z', 0xFF808080);
        color('a', 0xFFFF0000);
        color('b', 0xFF00FF00);
        color('c', 0xFF0000FF);
        color('d', 0xFFFFFF00);
        color('e', 0xFF00FFFF);
        color('f', 0xFFFF00FF);
    }

    private Pictures() {}

    private static void color(char letter, int argb) {
        PALETTE.put(letter, argb);
        LETTERS.put(argb, letter);
    }

    static int argb(char letter) {
        return PALETTE.get(letter);
    }

    static int[] pixels(String... rows) {
        int w = rows[0].length();
        int[] argb = new int[w * rows.length];
        for (int y = 0; y < rows.length; y++) {
            for (int x = 0; x < w; x++) {
                argb[y * w + x] = argb(rows[y].charAt(x));
            }
        }
        return argb;
    }

    static Image image(String... rows) {
        return Image.createRGBImage(pixels(rows), rows[0].length(), rows.length, true);
    }

    /** The region of an image as rows of letters ('?' for a colour outside the palette). */
    static String[] read(Image img, int x, int y, int w, int h) {
        int[] argb = new int[w * h];
        img.getRGB(argb, 0, w, x, y, w, h);
        String[] rows = new String[h];
        for (int r = 0; r < h; r++) {
            StringBuilder row = new StringBuilder();
            for (int c = 0; c < w; c++) {
                Character letter = LETTERS.get(argb[r * w + c]);
                row.append(letter == null ? '?' : letter);
            }
            rows[r] = row.toString();
        }
        return rows;
    }

    /** Rows of 'w' with the picture's rows laid in at (x, y). */
    static String[] onWhite(int width, int height, int x, int y, String... picture) {
        String[] rows = new String[height];
        for (int r = 0; r < height; r++) {
            StringBuilder row = new StringBuilder("w".repeat(width));
            if (r >= y && r < y + picture.length) {
                row.replace(x, x + picture[r - y].length(), picture[r - y]);
            }
            rows[r] = row.toString();
        }
        return rows;
    }
}
