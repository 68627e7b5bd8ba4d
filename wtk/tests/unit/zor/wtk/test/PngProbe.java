package zor.wtk.test;

import java.awt.image.BufferedImage;
import java.io.File;
import javax.imageio.ImageIO;

/**
 * Checks pixels of a PNG for the tool-chain test: PngProbe FILE X,Y=RRGGBB ... exits 1 and
 * names the pixels that differ.
 */
public final class PngProbe {
    private PngProbe() {}

    public static void main(String[] args) throws Exception {
        BufferedImage image = ImageIO.read(new File(args[0]));
        int failures = 0;
        for (int i = 1; i < args.length; i++) {
            String[] parts = args[i].split("[,=]");
            int x = Integer.parseInt(parts[0]);
            int y = Integer.parseInt(parts[1]);
            int expected = Integer.parseInt(parts[2], 16);
            int actual = image.getRGB(x, y) & 0xFFFFFF;
            if (actual != expected) {
                System.err.printf("pixel %d,%d is %06X, expected %06X%n", x, y, actual, expected);
                failures++;
            }
        }
        System.exit(failures == 0 ? 0 : 1);
    }
}
