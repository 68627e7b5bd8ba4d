package javax.microedition.lcdui.game;

import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import zor.wtk.Grid;

public class TiledLayer extends Layer {
    private final int columns;
    private final int rows;
    private final int[] cells;
    private Image image;
    private int tileWidth;
    private int tileHeight;
    private int tileCount;
    private int tileColumns;
    /** Static tile of animated tile -(i + 1). */
    private int[] animated = new int[4];
    private int animatedCount;

    public TiledLayer(int columns, int rows, Image image, int tileWidth, int tileHeight) {
        super(columns < 1 || tileWidth < 1 ? 0 : columns * tileWidth,
                rows < 1 || tileHeight < 1 ? 0 : rows * tileHeight);
        if (columns < 1 || rows < 1) {
            throw new IllegalArgumentException("a tiled layer needs at least one cell");
        }
        this.columns = columns;
        this.rows = rows;
        cells = new int[columns * rows];
        setTiles(image, tileWidth, tileHeight);
    }

    private void setTiles(Image img, int width, int height) {
        tileCount = Grid.cellCount(img, width, height);
        image = img;
        tileWidth = width;
        tileHeight = height;
        tileColumns = img.getWidth() / width;
        setSize(columns * width, rows * height);
    }

    public int createAnimatedTile(int staticTileIndex) {
        checkStaticTile(staticTileIndex);
        if (animatedCount == animated.length) {
            int[] grown = new int[animated.length * 2];
            System.arraycopy(animated, 0, grown, 0, animatedCount);
            animated = grown;
        }
        animated[animatedCount++] = staticTileIndex;
        return -animatedCount;
    }

    public void setAnimatedTile(int animatedTileIndex, int staticTileIndex) {
        checkStaticTile(staticTileIndex);
        animated[animatedIndex(animatedTileIndex)] = staticTileIndex;
    }

    public int getAnimatedTile(int animatedTileIndex) {
        return animated[animatedIndex(animatedTileIndex)];
    }

    private int animatedIndex(int animatedTileIndex) {
        int i = -animatedTileIndex - 1;
        if (animatedTileIndex >= 0 || i >= animatedCount) {
            throw new IndexOutOfBoundsException("no animated tile " + animatedTileIndex);
        }
        return i;
    }

    private void checkStaticTile(int index) {
        if (index < 0 || index > tileCount) {
            throw new IndexOutOfBoundsException("no static tile " + index);
        }
    }

    private void checkTile(int index) {
        if (index > tileCount || -index > animatedCount) {
            throw new IndexOutOfBoundsException("no tile " + index);
        }
    }

    public void setCell(int col, int row, int tileIndex) {
        checkCell(col, row);
        checkTile(tileIndex);
        cells[row * columns + col] = tileIndex;
    }

    public int getCell(int col, int row) {
        checkCell(col, row);
        return cells[row * columns + col];
    }

    private void checkCell(int col, int row) {
        if (col < 0 || row < 0 || col >= columns || row >= rows) {
            throw new IndexOutOfBoundsException("no cell " + col + "," + row);
        }
    }

    public void fillCells(int col, int row, int numCols, int numRows, int tileIndex) {
        if (numCols < 0 || numRows < 0) {
            throw new IllegalArgumentException("negative fill size");
        }
        if (col < 0 || row < 0 || col > columns - numCols || row > rows - numRows) {
            throw new IndexOutOfBoundsException("fill region outside the layer");
        }
        checkTile(tileIndex);
        for (int r = row; r < row + numRows; r++) {
            java.util.Arrays.fill(cells, r * columns + col, r * columns + col + numCols, tileIndex);
        }
    }

    public final int getCellWidth() {
        return tileWidth;
    }

    public final int getCellHeight() {
        return tileHeight;
    }

    public final int getColumns() {
        return columns;
    }

    public final int getRows() {
        return rows;
    }

    public void setStaticTileSet(Image image, int tileWidth, int tileHeight) {
        int oldCount = tileCount;
        setTiles(image, tileWidth, tileHeight);
        if (tileCount < oldCount) {
            java.util.Arrays.fill(cells, 0);
            animatedCount = 0;
        }
    }

    public final void paint(Graphics g) {
        if (g == null) {
            throw new NullPointerException();
        }
        if (!isVisible()) {
            return;
        }
        // Only the cells that meet the clip are drawn.
        int left = g.getClipX() - getX();
        int top = g.getClipY() - getY();
        int firstCol = Math.max(0, Math.floorDiv(left, tileWidth));
        int firstRow = Math.max(0, Math.floorDiv(top, tileHeight));
        int lastCol = Math.min(columns - 1, Math.floorDiv(left + g.getClipWidth() - 1, tileWidth));
        int lastRow = Math.min(rows - 1, Math.floorDiv(top + g.getClipHeight() - 1, tileHeight));
        for (int row = firstRow; row <= lastRow; row++) {
            int y = getY() + row * tileHeight;
            for (int col = firstCol; col <= lastCol; col++) {
                int tile = tileAt(col, row);
                if (tile == 0) {
                    continue;
                }
                int t = tile - 1;
                g.drawRegion(image, (t % tileColumns) * tileWidth, (t / tileColumns) * tileHeight,
                        tileWidth, tileHeight, Sprite.TRANS_NONE, getX() + col * tileWidth, y,
                        Graphics.TOP | Graphics.LEFT);
            }
        }
    }

    /** The static tile shown in a cell, animated tiles resolved. */
    int tileAt(int col, int row) {
        int tile = cells[row * columns + col];
        return tile < 0 ? animated[-tile - 1] : tile;
    }

    /** The ARGB pixels of a static tile, for pixel-level collisions. */
    int[] tilePixels(int tile) {
        int t = tile - 1;
        int[] argb = new int[tileWidth * tileHeight];
        image.getRGB(argb, 0, tileWidth, (t % tileColumns) * tileWidth,
                (t / tileColumns) * tileHeight, tileWidth, tileHeight);
        return argb;
    }
}
