package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.LayerManager;
import javax.microedition.lcdui.game.Sprite;
import javax.microedition.lcdui.game.TiledLayer;
import org.junit.jupiter.api.Test;

class LayerTest {
    /**
     * Tile 1 is solid 'a', tile 2 has one opaque 'b' pixel at its bottom-right, tile 3 solid 'c'.
     */
    private static final Image TILES = Pictures.image("aa..cc", "aa.bcc");

    private static String[] painted(TiledLayer layer, int width, int height) {
        Image canvas = Image.createImage(width, height);
        layer.paint(canvas.getGraphics());
        return Pictures.read(canvas, 0, 0, width, height);
    }

    @Test
    void cellsHoldStaticAndAnimatedTiles() {
        TiledLayer layer = new TiledLayer(3, 2, TILES, 2, 2);
        assertEquals(6, layer.getWidth());
        assertEquals(4, layer.getHeight());
        assertEquals(0, layer.getCell(2, 1));
        layer.setCell(0, 0, 1);
        layer.fillCells(1, 1, 2, 1, 3);
        int animated = layer.createAnimatedTile(2);
        assertEquals(-1, animated);
        assertEquals(-2, layer.createAnimatedTile(0));
        layer.setCell(2, 0, animated);
        assertArrayEquals(
                new String[] {"aawwww", "aawwwb", "wwcccc", "wwcccc"}, painted(layer, 6, 4));
        layer.setAnimatedTile(animated, 1);
        assertEquals(1, layer.getAnimatedTile(animated));
        assertArrayEquals(
                new String[] {"aawwaa", "aawwaa", "wwcccc", "wwcccc"}, painted(layer, 6, 4));

        assertThrows(IndexOutOfBoundsException.class, () -> layer.setCell(3, 0, 1));
        assertThrows(IndexOutOfBoundsException.class, () -> layer.setCell(0, 0, 4));
        assertThrows(IndexOutOfBoundsException.class, () -> layer.setCell(0, 0, -3));
        assertThrows(IndexOutOfBoundsException.class, () -> layer.getAnimatedTile(-3));
        assertThrows(IndexOutOfBoundsException.class, () -> layer.fillCells(2, 0, 2, 1, 1));
        assertThrows(IllegalArgumentException.class, () -> layer.fillCells(0, 0, -1, 1, 1));
        assertThrows(IllegalArgumentException.class, () -> new TiledLayer(1, 1, TILES, 4, 2));

        layer.setStaticTileSet(Pictures.image("cccccc", "cccccc"), 2, 2); // as many tiles: kept
        assertEquals(3, layer.getCell(1, 1));
        layer.setStaticTileSet(Pictures.image("cc", "cc"), 2, 2); // fewer tiles: cleared
        assertEquals(0, layer.getCell(1, 1));
        assertThrows(IndexOutOfBoundsException.class, () -> layer.getAnimatedTile(-1));
    }

    @Test
    void spritesCollideWithNonEmptyCellsAndTheirOpaquePixels() {
        TiledLayer layer = new TiledLayer(3, 1, TILES, 2, 2);
        layer.setPosition(10, 10);
        layer.setCell(1, 0, 2);
        int animated = layer.createAnimatedTile(0);
        layer.setCell(2, 0, animated);
        Sprite dot = new Sprite(Pictures.image("k"));
        dot.setPosition(10, 10); // over the empty cell
        assertFalse(dot.collidesWith(layer, false));
        dot.setPosition(12, 10); // over tile 2, on a transparent pixel
        assertTrue(dot.collidesWith(layer, false));
        assertFalse(dot.collidesWith(layer, true));
        dot.setPosition(13, 11); // on the opaque one
        assertTrue(dot.collidesWith(layer, true));
        dot.setPosition(14, 10); // the animated cell shows nothing yet
        assertFalse(dot.collidesWith(layer, false));
        layer.setAnimatedTile(animated, 3);
        assertTrue(dot.collidesWith(layer, true));
        layer.setVisible(false);
        assertFalse(dot.collidesWith(layer, false));
    }

    @Test
    void layerManagerPaintsTheViewWindowInOrderAndRestoresTheGraphics() {
        Sprite near = new Sprite(Pictures.image("aa", "aa"));
        near.setPosition(50, 50);
        Sprite far = new Sprite(Pictures.image("bbbb", "bbbb", "bbbb"));
        far.setPosition(49, 49);
        Sprite hidden = new Sprite(Pictures.image("c"));
        hidden.setPosition(50, 50);
        hidden.setVisible(false);
        LayerManager manager = new LayerManager();
        manager.append(far);
        manager.insert(near, 0);
        manager.insert(hidden, 0);
        manager.append(far); // moves nothing: far stays last
        assertSame(far, manager.getLayerAt(2));
        assertThrows(IndexOutOfBoundsException.class, () -> manager.insert(far, 3));
        assertThrows(IndexOutOfBoundsException.class, () -> manager.getLayerAt(3));

        manager.setViewWindow(48, 48, 3, 3);
        Image canvas = Image.createImage(8, 8);
        Graphics g = canvas.getGraphics();
        g.translate(1, 0);
        g.clipRect(0, 0, 6, 7);
        manager.paint(g, 2, 3);
        // World (48, 48) shows at (2, 3) plus the translation; only a 3 x 3 window is painted.
        assertArrayEquals(Pictures.onWhite(8, 8, 3, 3, "www", "wbb", "wba"),
                Pictures.read(canvas, 0, 0, 8, 8));
        assertEquals(1, g.getTranslateX());
        assertEquals(0, g.getTranslateY());
        assertArrayEquals(new int[] {0, 0, 6, 7},
                new int[] {g.getClipX(), g.getClipY(), g.getClipWidth(), g.getClipHeight()});
        assertThrows(IllegalArgumentException.class, () -> manager.setViewWindow(0, 0, -1, 1));
    }
}
