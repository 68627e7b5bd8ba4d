package zor.wtk;

import java.awt.image.BufferedImage;
import java.awt.image.DataBufferInt;

/**
 * A 32-bit pixel surface shared by Java2D (lines, arcs, text) and our own loops (images,
 * regions, RGB data). Opaque surfaces hold 0x00RRGGBB ints, alpha surfaces 0xAARRGGBB.
 */
public final class Pixmap {
    public final int width;
    public final int height;
    public final boolean hasAlpha;
    public final BufferedImage image;
    public final int[] data;
    /** True when every pixel is fully opaque, so that rows can be copied without blending. */
    private boolean opaque;

    public Pixmap(int width, int height, boolean hasAlpha) {
        this.width = width;
        this.height = height;
        this.hasAlpha = hasAlpha;
        image = new BufferedImage(
                width, height, hasAlpha ? BufferedImage.TYPE_INT_ARGB : BufferedImage.TYPE_INT_RGB);
        data = ((DataBufferInt) image.getRaster().getDataBuffer()).getData();
        opaque = !hasAlpha;
    }

    /** Re-examines the alpha channel after the pixels of an alpha surface were written. */
    public void updateOpacity() {
        if (!hasAlpha) {
            return;
        }
        for (int p : data) {
            if ((p >>> 24) != 0xFF) {
                opaque = false;
                return;
            }
        }
        opaque = true;
    }

    public boolean isOpaque() {
        return opaque;
    }

    public void fill(int rgb) {
        java.util.Arrays.fill(data, rgb);
    }

    /** The pixel as 0xAARRGGBB. */
    public int argb(int x, int y) {
        int p = data[y * width + x];
        return hasAlpha ? p : p | 0xFF000000;
    }
}
