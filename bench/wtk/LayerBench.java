import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.image.BufferedImage;
import java.util.Arrays;
import java.util.Random;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.LayerManager;
import javax.microedition.lcdui.game.Sprite;
import javax.microedition.lcdui.game.TiledLayer;

/**
 * One game frame: a LayerManager with 100 sprites and four TiledLayers of 100 x 100 cells
 * painted onto a 240 x 320 screen, against filling the same screen with Java2D.
 */
public final class LayerBench {
    private static final int FRAMES = 600;
    private static final int WARM_UP = 400;

    public static void main(String[] args) {
        Random random = new Random(1);
        Image tiles = tileSheet();
        LayerManager manager = new LayerManager();
        Image walker = spriteSheet();
        for (int i = 0; i < 100; i++) {
            Sprite s = new Sprite(walker, 16, 16);
            s.setFrame(i % 4);
            s.setTransform(i % 8);
            s.setPosition(716 + random.nextInt(208), 716 + random.nextInt(288)); // all in view
            manager.append(s);
        }
        for (int layer = 0; layer < 4; layer++) {
            TiledLayer map = new TiledLayer(100, 100, tiles, 16, 16);
            int animated = map.createAnimatedTile(1);
            for (int row = 0; row < 100; row++) {
                for (int col = 0; col < 100; col++) {
                    // The lowest layer is solid; the upper ones are partly empty and partly
                    // see-through.
                    int tile = layer == 0            ? 1 + random.nextInt(4)
                            : random.nextInt(3) == 0 ? 0
                                                     : 5 + random.nextInt(4);
                    map.setCell(col, row, (col + row) % 17 == 0 ? animated : tile);
                }
            }
            manager.append(map);
        }
        Image screen = Image.createImage(240, 320);
        Graphics g = screen.getGraphics();
        double[] layers = time(frame -> {
            manager.setViewWindow(700 + frame % 16, 700 + frame % 16, 240, 320);
            manager.paint(g, 0, 0);
        });
        BufferedImage awtScreen = new BufferedImage(240, 320, BufferedImage.TYPE_INT_RGB);
        Graphics2D awt = awtScreen.createGraphics();
        double[] fill = time(frame -> {
            awt.setColor(new Color(frame * 0x010101 & 0xFFFFFF));
            awt.fillRect(0, 0, 240, 320);
        });
        double layerMs = median(layers);
        double fillMs = median(fill);
        System.out.printf(
                "LayerManager frame (100 sprites, 4 tiled layers of 100x100): %.3f ms median%n",
                layerMs);
        System.out.printf("Java2D fill of 240x320: %.4f ms median%n", fillMs);
        System.out.printf("ratio: %.1f%n", layerMs / fillMs);
    }

    private interface Frame {
        void draw(int frame);
    }

    private static double[] time(Frame f) {
        for (int i = 0; i < WARM_UP; i++) {
            f.draw(i);
        }
        double[] ms = new double[FRAMES];
        for (int i = 0; i < FRAMES; i++) {
            long start = System.nanoTime();
            f.draw(i);
            ms[i] = (System.nanoTime() - start) / 1e6;
        }
        return ms;
    }

    private static double median(double[] values) {
        double[] sorted = values.clone();
        Arrays.sort(sorted);
        return sorted[sorted.length / 2];
    }

    /** Four opaque tiles, then four with a transparent half, each 16 x 16. */
    private static Image tileSheet() {
        int[] argb = new int[128 * 16];
        for (int y = 0; y < 16; y++) {
            for (int x = 0; x < 128; x++) {
                int tile = x / 16;
                boolean clear = tile >= 4 && (x % 16) < 8;
                argb[y * 128 + x] = clear ? 0 : 0xFF000000 | (tile * 0x1F3A5B);
            }
        }
        return Image.createRGBImage(argb, 128, 16, true);
    }

    /** Four 16 x 16 frames of a round figure on a transparent background. */
    private static Image spriteSheet() {
        int[] argb = new int[64 * 16];
        for (int y = 0; y < 16; y++) {
            for (int x = 0; x < 64; x++) {
                int dx = x % 16 - 8;
                int dy = y - 8;
                argb[y * 64 + x] = dx * dx + dy * dy < 49 ? 0xFFE0A020 + x / 16 : 0;
            }
        }
        return Image.createRGBImage(argb, 64, 16, true);
    }
}
