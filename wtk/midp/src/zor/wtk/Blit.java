package zor.wtk;

/**
 * Copies a rectangle of ARGB source pixels, turned by one of the eight MIDP transforms, onto a
 * pixmap inside a clip rectangle. The transform numbers are those of Sprite.TRANS_*.
 */
public final class Blit {
    /** Source pixels replace the destination, alpha included. */
    public static final int COPY = 0;
    /** Source pixels are taken as opaque whatever their alpha byte says. */
    public static final int OPAQUE = 1;
    /** Transparent pixels are skipped and translucent ones blended. */
    public static final int BLEND = 2;

    private Blit() {}

    public static boolean isValidTransform(int transform) {
        return transform >= 0 && transform <= 7;
    }

    /** Rotations by 90 or 270 degrees, mirrored or not, swap width and height. */
    public static boolean swapsAxes(int transform) {
        return (transform & 4) != 0;
    }

    /**
     * Draws the w x h source rectangle starting at src[offset] (rows scan ints apart, scan may be
     * negative) transformed, with the transformed box's top-left at (dx, dy), clipped to
     * (cx, cy, cw, ch) and to the destination.
     */
    public static void draw(int[] src, int offset, int scan, int w, int h, int transform, int mode,
            Pixmap dst, int dx, int dy, int cx, int cy, int cw, int ch) {
        if (w <= 0 || h <= 0) {
            return;
        }
        boolean swap = swapsAxes(transform);
        int boxW = swap ? h : w;
        int boxH = swap ? w : h;
        int x0 = Math.max(Math.max(dx, cx), 0);
        int y0 = Math.max(Math.max(dy, cy), 0);
        int x1 = (int) Math.min(Math.min((long) dx + boxW, (long) cx + cw), dst.width);
        int y1 = (int) Math.min(Math.min((long) dy + boxH, (long) cy + ch), dst.height);
        if (x0 >= x1 || y0 >= y1) {
            return;
        }
        // Source index of destination pixel (u, v) of the box is base + u * du + v * dv.
        int last = (h - 1) * scan;
        int base;
        int du;
        int dv;
        switch (transform) {
            case 0: // NONE
                base = 0;
                du = 1;
                dv = scan;
                break;
            case 5: // ROT90
                base = last;
                du = -scan;
                dv = 1;
                break;
            case 3: // ROT180
                base = last + w - 1;
                du = -1;
                dv = -scan;
                break;
            case 6: // ROT270
                base = w - 1;
                du = scan;
                dv = -1;
                break;
            case 2: // MIRROR
                base = w - 1;
                du = -1;
                dv = scan;
                break;
            case 7: // MIRROR_ROT90
                base = last + w - 1;
                du = -scan;
                dv = -1;
                break;
            case 1: // MIRROR_ROT180
                base = last;
                du = 1;
                dv = -scan;
                break;
            case 4: // MIRROR_ROT270
                base = 0;
                du = scan;
                dv = 1;
                break;
            default: throw new IllegalArgumentException("bad transform " + transform);
        }
        int[] out = dst.data;
        int runLength = x1 - x0;
        for (int y = y0; y < y1; y++) {
            int s = offset + base + (x0 - dx) * du + (y - dy) * dv;
            int d = y * dst.width + x0;
            if (mode == COPY && du == 1) {
                System.arraycopy(src, s, out, d, runLength);
                continue;
            }
            for (int end = d + runLength; d < end; d++, s += du) {
                int p = src[s];
                if (mode == BLEND) {
                    int a = p >>> 24;
                    if (a == 0) {
                        continue;
                    }
                    if (a != 0xFF) {
                        p = blend(p, out[d], a);
                    }
                } else if (mode == OPAQUE) {
                    p |= 0xFF000000;
                }
                out[d] = p;
            }
        }
    }

    private static int blend(int src, int dst, int a) {
        int na = 255 - a;
        int r = (((src >> 16) & 0xFF) * a + ((dst >> 16) & 0xFF) * na) / 255;
        int g = (((src >> 8) & 0xFF) * a + ((dst >> 8) & 0xFF) * na) / 255;
        int b = ((src & 0xFF) * a + (dst & 0xFF) * na) / 255;
        return 0xFF000000 | (r << 16) | (g << 8) | b;
    }
}
