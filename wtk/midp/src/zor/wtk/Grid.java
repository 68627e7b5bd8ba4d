package zor.wtk;

import javax.microedition.lcdui.Image;

/** An image cut into equal cells (sprite frames, tiles), numbered row by row. */
public final class Grid {
    private Grid() {}

    /** The number of cells; the cell size must divide the image exactly. */
    public static int cellCount(Image image, int cellWidth, int cellHeight) {
        if (image == null) {
            throw new NullPointerException();
        }
        if (cellWidth < 1 || cellHeight < 1 || image.getWidth() % cellWidth != 0
                || image.getHeight() % cellHeight != 0) {
            throw new IllegalArgumentException("cells of " + cellWidth + "x" + cellHeight
                    + " do not divide a " + image.getWidth() + "x" + image.getHeight() + " image");
        }
        return (image.getWidth() / cellWidth) * (image.getHeight() / cellHeight);
    }
}
