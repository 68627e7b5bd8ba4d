package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;

import java.awt.image.BufferedImage;
import java.awt.image.IndexColorModel;
import java.io.ByteArrayOutputStream;
import java.util.stream.Stream;
import javax.imageio.ImageIO;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.Sprite;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

class GraphicsTest {
    /**
     * The 3 x 2 region "abc/def" of a grey-framed sheet, so that a region drawn too large shows.
     */
    private static final Image SHEET = Pictures.image("zzzzz", "zabcz", "zdefz", "zzzzz");

    static Stream<Arguments> transforms() {
        return Stream.of(Arguments.of(Sprite.TRANS_NONE, new String[] {"abc", "def"}),
                Arguments.of(Sprite.TRANS_ROT90, new String[] {"da", "eb", "fc"}),
                Arguments.of(Sprite.TRANS_ROT180, new String[] {"fed", "cba"}),
                Arguments.of(Sprite.TRANS_ROT270, new String[] {"cf", "be", "ad"}),
                Arguments.of(Sprite.TRANS_MIRROR, new String[] {"cba", "fed"}),
                Arguments.of(Sprite.TRANS_MIRROR_ROT90, new String[] {"fc", "eb", "da"}),
                Arguments.of(Sprite.TRANS_MIRROR_ROT180, new String[] {"def", "abc"}),
                Arguments.of(Sprite.TRANS_MIRROR_ROT270, new String[] {"ad", "be", "cf"}));
    }

    @ParameterizedTest
    @MethodSource("transforms")
    void drawRegionTurnsOnlyTheRegion(int transform, String[] expected) {
        Image canvas = Image.createImage(7, 7);
        canvas.getGraphics().drawRegion(
                SHEET, 1, 1, 3, 2, transform, 2, 2, Graphics.TOP | Graphics.LEFT);
        assertArrayEquals(
                Pictures.onWhite(7, 7, 2, 2, expected), Pictures.read(canvas, 0, 0, 7, 7));

        Image cut = Image.createImage(SHEET, 1, 1, 3, 2, transform);
        assertArrayEquals(expected, Pictures.read(cut, 0, 0, cut.getWidth(), cut.getHeight()));
    }

    @Test
    void anchorsPlaceTheTransformedBox() {
        Image canvas = Image.createImage(8, 8);
        Graphics g = canvas.getGraphics();
        // ROT90 turns the 3 x 2 region into a 2 x 3 box.
        g.drawRegion(SHEET, 1, 1, 3, 2, Sprite.TRANS_ROT90, 6, 7, Graphics.BOTTOM | Graphics.RIGHT);
        assertArrayEquals(
                Pictures.onWhite(8, 8, 4, 4, "da", "eb", "fc"), Pictures.read(canvas, 0, 0, 8, 8));

        canvas = Image.createImage(8, 8);
        canvas.getGraphics().drawImage(
                Pictures.image("ab", "cd"), 4, 4, Graphics.HCENTER | Graphics.VCENTER);
        assertArrayEquals(
                Pictures.onWhite(8, 8, 3, 3, "ab", "cd"), Pictures.read(canvas, 0, 0, 8, 8));
    }

    @Test
    void badAnchorsTransformsAndRegionsAreRefused() {
        Graphics g = Image.createImage(10, 10).getGraphics();
        int[] textOk = {0, Graphics.TOP | Graphics.LEFT, Graphics.BASELINE | Graphics.HCENTER,
                Graphics.BOTTOM | Graphics.RIGHT};
        for (int anchor : textOk) {
            g.drawString("x", 0, 0, anchor);
        }
        int[] textBad = {Graphics.VCENTER | Graphics.LEFT, Graphics.LEFT, Graphics.TOP,
                Graphics.LEFT | Graphics.RIGHT | Graphics.TOP,
                Graphics.TOP | Graphics.BOTTOM | Graphics.LEFT, 128};
        for (int anchor : textBad) {
            assertThrows(IllegalArgumentException.class,
                    () -> g.drawString("x", 0, 0, anchor), "anchor " + anchor);
        }
        Image img = Pictures.image("a");
        g.drawImage(img, 0, 0, Graphics.VCENTER | Graphics.HCENTER);
        assertThrows(IllegalArgumentException.class,
                () -> g.drawImage(img, 0, 0, Graphics.BASELINE | Graphics.LEFT));
        assertThrows(
                IllegalArgumentException.class, () -> g.drawRegion(SHEET, 0, 0, 1, 1, 8, 0, 0, 0));
        assertThrows(
                IllegalArgumentException.class, () -> g.drawRegion(SHEET, 3, 1, 3, 2, 0, 0, 0, 0));
        Image target = Image.createImage(4, 4);
        assertThrows(IllegalArgumentException.class,
                () -> target.getGraphics().drawRegion(target, 0, 0, 1, 1, 0, 0, 0, 0));
    }

    @Test
    void fillsCoverTheSizeAndOutlinesOneMore() {
        Image canvas = Image.createImage(6, 5);
        Graphics g = canvas.getGraphics();
        g.setColor(0x000000);
        g.fillRect(1, 1, 3, 2);
        assertArrayEquals(
                Pictures.onWhite(6, 5, 1, 1, "kkk", "kkk"), Pictures.read(canvas, 0, 0, 6, 5));

        canvas = Image.createImage(6, 5);
        g = canvas.getGraphics();
        g.setColor(0x000000);
        g.drawRect(1, 1, 3, 2);
        assertArrayEquals(Pictures.onWhite(6, 5, 1, 1, "kkkk", "kwwk", "kkkk"),
                Pictures.read(canvas, 0, 0, 6, 5));
    }

    @Test
    void clipAndTranslateLimitDrawing() {
        Image canvas = Image.createImage(6, 6);
        Graphics g = canvas.getGraphics();
        g.translate(1, 1);
        g.setClip(1, 1, 2, 3);
        g.clipRect(0, 2, 10, 10);
        assertEquals(1, g.getClipX());
        assertEquals(2, g.getClipY());
        assertEquals(2, g.getClipWidth());
        assertEquals(2, g.getClipHeight());
        g.setColor(0x000000);
        g.fillRect(-5, -5, 20, 20);
        g.drawImage(Pictures.image("aa"), 1, 2, 0);
        assertArrayEquals(
                Pictures.onWhite(6, 6, 2, 3, "aa", "kk"), Pictures.read(canvas, 0, 0, 6, 6));
    }

    @Test
    void pngTransparencyIsKeptAndDrawnThrough() throws Exception {
        BufferedImage argb = new BufferedImage(2, 1, BufferedImage.TYPE_INT_ARGB);
        argb.setRGB(0, 0, 0x00000000);
        argb.setRGB(1, 0, 0xFFFF0000);
        IndexColorModel palette = new IndexColorModel(
                8, 2, new byte[] {0, (byte) 255}, new byte[] {0, 0}, new byte[] {0, 0}, 0);
        BufferedImage indexed = new BufferedImage(2, 1, BufferedImage.TYPE_BYTE_INDEXED, palette);
        indexed.getRaster().setSample(1, 0, 0, 1);
        for (BufferedImage source : new BufferedImage[] {argb, indexed}) {
            ByteArrayOutputStream png = new ByteArrayOutputStream();
            ImageIO.write(source, "png", png);
            byte[] bytes = png.toByteArray();
            Image img = Image.createImage(bytes, 0, bytes.length);
            assertArrayEquals(new String[] {".a"}, Pictures.read(img, 0, 0, 2, 1));
            Image canvas = Image.createImage(2, 1);
            canvas.getGraphics().drawImage(img, 0, 0, 0);
            assertArrayEquals(new String[] {"wa"}, Pictures.read(canvas, 0, 0, 2, 1));
        }
        assertThrows(IllegalArgumentException.class,
                () -> Image.createImage(new byte[] {1, 2, 3}, 0, 3));
    }

    @Test
    void mutableImagesStartWhiteAndRgbImagesCanDropAlpha() {
        assertArrayEquals(
                new String[] {"ww", "ww"}, Pictures.read(Image.createImage(2, 2), 0, 0, 2, 2));
        Image opaque = Image.createRGBImage(new int[] {0x00FF0000}, 1, 1, false);
        assertArrayEquals(new String[] {"a"}, Pictures.read(opaque, 0, 0, 1, 1));
        assertThrows(IllegalStateException.class, () -> opaque.getGraphics());
    }
}
