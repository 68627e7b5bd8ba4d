package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.Sprite;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

class SpriteTest {
    /** Six 2 x 2 frames in three columns and two rows, each frame one colour. */
    private static final Image FRAMES = Pictures.image("aabbcc", "aabbcc", "ddeeff", "ddeeff");

    private static char shownColor(Sprite s) {
        Image canvas = Image.createImage(2, 2);
        s.setPosition(0, 0);
        s.paint(canvas.getGraphics());
        return Pictures.read(canvas, 0, 0, 1, 1)[0].charAt(0);
    }

    @Test
    void framesAreNumberedRowByRowAndSequencesWrapAround() {
        Sprite s = new Sprite(FRAMES, 2, 2);
        assertEquals(6, s.getRawFrameCount());
        assertEquals(6, s.getFrameSequenceLength());
        s.setFrame(4);
        assertEquals('e', shownColor(s));
        s.nextFrame();
        s.nextFrame();
        assertEquals(0, s.getFrame());
        s.prevFrame();
        assertEquals(5, s.getFrame());
        assertThrows(IndexOutOfBoundsException.class, () -> s.setFrame(6));
        assertThrows(IndexOutOfBoundsException.class, () -> s.setFrame(-1));

        int[] walk = {3, 1};
        s.setFrameSequence(walk);
        walk[0] = 5; // the sprite keeps its own copy
        assertEquals(0, s.getFrame());
        assertEquals('d', shownColor(s));
        s.prevFrame();
        assertEquals('b', shownColor(s));
        s.setFrameSequence(null);
        assertEquals(6, s.getFrameSequenceLength());
        assertThrows(ArrayIndexOutOfBoundsException.class, () -> s.setFrameSequence(new int[] {6}));
        assertThrows(IllegalArgumentException.class, () -> s.setFrameSequence(new int[0]));
        assertThrows(IllegalArgumentException.class, () -> new Sprite(FRAMES, 4, 2));
        assertThrows(IllegalArgumentException.class, () -> new Sprite(FRAMES, 0, 2));
    }

    /** A 10 x 20 frame with its reference pixel at (2, 3), kept at (100, 100) on the screen. */
    @ParameterizedTest
    @CsvSource({
            "0, 98, 97, 10, 20", // NONE
            "5, 84, 98, 20, 10", // ROT90: pixel (2,3) lands at (16,2)
            "3, 93, 84, 10, 20", // ROT180: at (7,16)
            "6, 97, 93, 20, 10", // ROT270: at (3,7)
            "2, 93, 97, 10, 20", // MIRROR: at (7,3)
            "7, 84, 93, 20, 10", // MIRROR_ROT90: at (16,7)
            "1, 98, 84, 10, 20", // MIRROR_ROT180: at (2,16)
            "4, 97, 98, 20, 10", // MIRROR_ROT270: at (3,2)
    })
    void
    transformsTurnAboutTheReferencePixel(int transform, int x, int y, int width, int height) {
        Sprite s = new Sprite(Image.createImage(10, 20));
        s.defineReferencePixel(2, 3);
        s.setRefPixelPosition(100, 100);
        s.setTransform(Sprite.TRANS_ROT270); // transforms do not add up
        s.setTransform(transform);
        assertEquals(100, s.getRefPixelX());
        assertEquals(100, s.getRefPixelY());
        assertEquals(x, s.getX());
        assertEquals(y, s.getY());
        assertEquals(width, s.getWidth());
        assertEquals(height, s.getHeight());
    }

    @Test
    void spriteCollisionsFollowRectanglesTransformsAndVisibility() {
        Sprite tall = new Sprite(Image.createImage(10, 20));
        tall.defineCollisionRectangle(0, 0, 5, 20); // the left half
        Sprite dot = new Sprite(Image.createImage(1, 1));
        dot.setPosition(7, 5);
        assertFalse(tall.collidesWith(dot, false));
        tall.setTransform(Sprite.TRANS_MIRROR); // the left half is now on the right
        tall.setPosition(0, 0);
        assertTrue(tall.collidesWith(dot, false));
        assertTrue(dot.collidesWith(tall, true));
        dot.setVisible(false);
        assertFalse(tall.collidesWith(dot, false));
        dot.setVisible(true);
        tall.setTransform(Sprite.TRANS_ROT90); // 20 x 10 now; the kept half is the top one
        tall.setPosition(0, 0);
        dot.setPosition(15, 2);
        assertTrue(tall.collidesWith(dot, false));
        dot.setPosition(15, 7);
        assertFalse(tall.collidesWith(dot, false));
        assertThrows(
                IllegalArgumentException.class, () -> tall.defineCollisionRectangle(0, 0, -1, 1));
    }

    @Test
    void pixelLevelCollisionsNeedOpaqueOverOpaque() {
        Sprite a = new Sprite(Pictures.image("a..", "...", "..."));
        Sprite b = new Sprite(Pictures.image("...", "...", "..b"));
        b.setPosition(1, 1);
        assertTrue(a.collidesWith(b, false));
        assertFalse(a.collidesWith(b, true));
        b.setPosition(-2, -2);
        assertTrue(a.collidesWith(b, true));
        b.setTransform(Sprite.TRANS_ROT180); // the opaque pixel moves to the top-left corner
        b.setPosition(0, 0);
        assertTrue(a.collidesWith(b, true));
        // Outside the frame a larger collision rectangle is transparent.
        a.defineCollisionRectangle(-5, -5, 20, 20);
        Image img = Pictures.image("b");
        assertTrue(a.collidesWith(img, -1, -1, false));
        assertFalse(a.collidesWith(img, -1, -1, true));
        assertTrue(a.collidesWith(img, 0, 0, true));
    }

    @Test
    void copiesAndNewImagesKeepWhatTheyShould() {
        Sprite s = new Sprite(FRAMES, 2, 2);
        s.setFrameSequence(new int[] {2, 4});
        s.nextFrame();
        s.setPosition(5, 6);
        Sprite copy = new Sprite(s);
        s.nextFrame();
        assertEquals(1, copy.getFrame());
        assertEquals(5, copy.getX());
        assertEquals('e', shownColor(copy));
        // A frame set at least as large keeps the custom sequence; a smaller one resets it.
        s.setImage(FRAMES, 2, 2);
        assertEquals(2, s.getFrameSequenceLength());
        s.setImage(Pictures.image("ab"), 1, 1);
        assertEquals(2, s.getFrameSequenceLength());
        assertEquals(0, s.getFrame());
        assertArrayEquals(new int[] {1, 1}, new int[] {s.getWidth(), s.getHeight()});
    }
}
