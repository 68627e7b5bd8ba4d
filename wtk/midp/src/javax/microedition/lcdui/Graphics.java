package javax.microedition.lcdui;

import java.awt.BasicStroke;
import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.Polygon;
import java.awt.Stroke;
import zor.wtk.Blit;
import zor.wtk.Pixmap;

public class Graphics {
    public static final int HCENTER = 1;
    public static final int VCENTER = 2;
    public static final int LEFT = 4;
    public static final int RIGHT = 8;
    public static final int TOP = 16;
    public static final int BOTTOM = 32;
    public static final int BASELINE = 64;
    public static final int SOLID = 0;
    public static final int DOTTED = 1;

    private static final Stroke SOLID_STROKE = new BasicStroke(1f);
    private static final Stroke DOTTED_STROKE = new BasicStroke(
            1f, BasicStroke.CAP_BUTT, BasicStroke.JOIN_MITER, 10f, new float[] {1f, 1f}, 0f);

    private final Pixmap target;
    /** The image drawn on, or null for the display. */
    private final Image owner;
    private Graphics2D g2;
    // What setClip may open up to: the whole image, or a displayable's area of the screen.
    private int limitX;
    private int limitY;
    private int limitWidth;
    private int limitHeight;
    private int translateX;
    private int translateY;
    // The clip in target coordinates, always inside the target.
    private int clipX;
    private int clipY;
    private int clipWidth;
    private int clipHeight;
    private int color;
    private int grayScale = -1;
    private int strokeStyle = SOLID;
    private Font font = Font.getDefaultFont();
    private boolean awtStateStale = true;

    Graphics(Pixmap target, Image owner) {
        this.target = target;
        this.owner = owner;
        limitWidth = clipWidth = target.width;
        limitHeight = clipHeight = target.height;
    }

    /** A display Graphics limited to the area (x, y, width, height) with its origin there. */
    Graphics(Pixmap target, int x, int y, int width, int height) {
        this(target, null);
        translateX = x;
        translateY = y;
        clipRect(0, 0, width, height);
        limitX = clipX;
        limitY = clipY;
        limitWidth = clipWidth;
        limitHeight = clipHeight;
    }

    public void translate(int x, int y) {
        translateX += x;
        translateY += y;
    }

    public int getTranslateX() {
        return translateX;
    }

    public int getTranslateY() {
        return translateY;
    }

    public int getColor() {
        return color;
    }

    public int getRedComponent() {
        return (color >> 16) & 0xFF;
    }

    public int getGreenComponent() {
        return (color >> 8) & 0xFF;
    }

    public int getBlueComponent() {
        return color & 0xFF;
    }

    public int getGrayScale() {
        if (grayScale >= 0) {
            return grayScale;
        }
        return (getRedComponent() * 77 + getGreenComponent() * 151 + getBlueComponent() * 28) >> 8;
    }

    public void setColor(int red, int green, int blue) {
        if ((red | green | blue) < 0 || red > 255 || green > 255 || blue > 255) {
            throw new IllegalArgumentException("colour component outside 0..255");
        }
        setColor((red << 16) | (green << 8) | blue);
    }

    public void setColor(int RGB) {
        color = RGB & 0xFFFFFF;
        grayScale = -1;
        awtStateStale = true;
    }

    public void setGrayScale(int value) {
        if (value < 0 || value > 255) {
            throw new IllegalArgumentException("grey level outside 0..255");
        }
        setColor(value, value, value);
        grayScale = value;
    }

    public Font getFont() {
        return font;
    }

    public void setStrokeStyle(int style) {
        if (style != SOLID && style != DOTTED) {
            throw new IllegalArgumentException("bad stroke style " + style);
        }
        strokeStyle = style;
        awtStateStale = true;
    }

    public int getStrokeStyle() {
        return strokeStyle;
    }

    public void setFont(Font font) {
        this.font = font == null ? Font.getDefaultFont() : font;
    }

    public int getClipX() {
        return clipX - translateX;
    }

    public int getClipY() {
        return clipY - translateY;
    }

    public int getClipWidth() {
        return clipWidth;
    }

    public int getClipHeight() {
        return clipHeight;
    }

    public void clipRect(int x, int y, int width, int height) {
        intersectClip(clipX, clipY, clipWidth, clipHeight, x, y, width, height);
    }

    public void setClip(int x, int y, int width, int height) {
        intersectClip(limitX, limitY, limitWidth, limitHeight, x, y, width, height);
    }

    private void intersectClip(
            int baseX, int baseY, int baseW, int baseH, int x, int y, int w, int h) {
        long left = Math.max((long) x + translateX, baseX);
        long top = Math.max((long) y + translateY, baseY);
        long right = Math.min((long) x + translateX + Math.max(w, 0), (long) baseX + baseW);
        long bottom = Math.min((long) y + translateY + Math.max(h, 0), (long) baseY + baseH);
        clipX = (int) Math.min(left, target.width);
        clipY = (int) Math.min(top, target.height);
        clipWidth = (int) Math.max(right - left, 0);
        clipHeight = (int) Math.max(bottom - top, 0);
        awtStateStale = true;
    }

    private Graphics2D awt() {
        if (g2 == null) {
            g2 = target.image.createGraphics();
        }
        if (awtStateStale) {
            g2.setClip(clipX, clipY, clipWidth, clipHeight);
            g2.setColor(new Color(color));
            g2.setStroke(strokeStyle == DOTTED ? DOTTED_STROKE : SOLID_STROKE);
            awtStateStale = false;
        }
        return g2;
    }

    public void drawLine(int x1, int y1, int x2, int y2) {
        awt().drawLine(x1 + translateX, y1 + translateY, x2 + translateX, y2 + translateY);
    }

    public void fillRect(int x, int y, int width, int height) {
        if (width <= 0 || height <= 0) {
            return;
        }
        fillPixels(x + translateX, y + translateY, width, height);
    }

    private void fillPixels(int x, int y, int width, int height) {
        int x0 = Math.max(x, clipX);
        int y0 = Math.max(y, clipY);
        int x1 = (int) Math.min((long) x + width, clipX + clipWidth);
        int y1 = (int) Math.min((long) y + height, clipY + clipHeight);
        int pixel = target.hasAlpha ? color | 0xFF000000 : color;
        for (int row = y0; row < y1; row++) {
            int start = row * target.width;
            java.util.Arrays.fill(target.data, start + x0, start + Math.max(x0, x1), pixel);
        }
    }

    public void drawRect(int x, int y, int width, int height) {
        if (width < 0 || height < 0) {
            return;
        }
        awt().drawRect(x + translateX, y + translateY, width, height);
    }

    public void drawRoundRect(int x, int y, int width, int height, int arcWidth, int arcHeight) {
        if (width < 0 || height < 0) {
            return;
        }
        awt().drawRoundRect(x + translateX, y + translateY, width, height, arcWidth, arcHeight);
    }

    public void fillRoundRect(int x, int y, int width, int height, int arcWidth, int arcHeight) {
        if (width <= 0 || height <= 0) {
            return;
        }
        awt().fillRoundRect(x + translateX, y + translateY, width, height, arcWidth, arcHeight);
    }

    public void fillArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        if (width <= 0 || height <= 0) {
            return;
        }
        awt().fillArc(x + translateX, y + translateY, width, height, startAngle, arcAngle);
    }

    public void drawArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        if (width < 0 || height < 0) {
            return;
        }
        awt().drawArc(x + translateX, y + translateY, width, height, startAngle, arcAngle);
    }

    public void fillTriangle(int x1, int y1, int x2, int y2, int x3, int y3) {
        Polygon p = new Polygon(new int[] {x1 + translateX, x2 + translateX, x3 + translateX},
                new int[] {y1 + translateY, y2 + translateY, y3 + translateY}, 3);
        Graphics2D g = awt();
        Stroke stroke = g.getStroke();
        g.setStroke(SOLID_STROKE);
        g.fillPolygon(p);
        // The edges belong to the triangle, which a polygon fill leaves out on two sides.
        g.drawPolygon(p);
        g.setStroke(stroke);
    }

    public void drawString(String str, int x, int y, int anchor) {
        if (str == null) {
            throw new NullPointerException();
        }
        checkTextAnchor(anchor);
        int width = font.stringWidth(str);
        int left = x + translateX;
        if ((anchor & HCENTER) != 0) {
            left -= width / 2;
        } else if ((anchor & RIGHT) != 0) {
            left -= width;
        }
        int top = y + translateY;
        if ((anchor & BASELINE) != 0) {
            top -= font.getBaselinePosition();
        } else if ((anchor & BOTTOM) != 0) {
            top -= font.getHeight();
        }
        Graphics2D g = awt();
        g.setFont(font.awtFont());
        int baseline = top + font.getBaselinePosition();
        g.drawString(str, left, baseline);
        if (font.isUnderlined()) {
            Stroke stroke = g.getStroke();
            g.setStroke(SOLID_STROKE);
            g.drawLine(left, baseline + 1, left + width - 1, baseline + 1);
            g.setStroke(stroke);
        }
    }

    public void drawSubstring(String str, int offset, int len, int x, int y, int anchor) {
        Font.checkRange(str.length(), offset, len);
        drawString(str.substring(offset, offset + len), x, y, anchor);
    }

    public void drawChar(char character, int x, int y, int anchor) {
        drawString(String.valueOf(character), x, y, anchor);
    }

    public void drawChars(char[] data, int offset, int length, int x, int y, int anchor) {
        if (offset < 0 || length < 0 || offset > data.length - length) {
            throw new ArrayIndexOutOfBoundsException("offset " + offset + ", length " + length);
        }
        drawString(new String(data, offset, length), x, y, anchor);
    }

    public void drawImage(Image img, int x, int y, int anchor) {
        if (img == null) {
            throw new NullPointerException();
        }
        checkImageAnchor(anchor);
        Pixmap src = img.pixmap();
        blit(src.data, 0, src.width, src.width, src.height, 0, modeFor(src), x, y, anchor);
    }

    public void drawRegion(Image src, int x_src, int y_src, int width, int height, int transform,
            int x_dest, int y_dest, int anchor) {
        if (src == null) {
            throw new NullPointerException();
        }
        if (src == owner) {
            throw new IllegalArgumentException("an image cannot be drawn onto itself");
        }
        if (!Blit.isValidTransform(transform)) {
            throw new IllegalArgumentException("bad transform " + transform);
        }
        checkImageAnchor(anchor);
        Pixmap p = src.pixmap();
        if (width < 0 || height < 0 || x_src < 0 || y_src < 0 || x_src > p.width - width
                || y_src > p.height - height) {
            throw new IllegalArgumentException("region outside the source image");
        }
        blit(p.data, y_src * p.width + x_src, p.width, width, height, transform, modeFor(p), x_dest,
                y_dest, anchor);
    }

    public void copyArea(
            int x_src, int y_src, int width, int height, int x_dest, int y_dest, int anchor) {
        if (owner == null) {
            throw new IllegalStateException("copyArea needs an image as its destination");
        }
        checkImageAnchor(anchor);
        int sx = x_src + translateX;
        int sy = y_src + translateY;
        if (width < 0 || height < 0 || sx < 0 || sy < 0 || sx > target.width - width
                || sy > target.height - height) {
            throw new IllegalArgumentException("region outside the image");
        }
        int[] copy = new int[width * height];
        for (int row = 0; row < height; row++) {
            System.arraycopy(target.data, (sy + row) * target.width + sx, copy, row * width, width);
        }
        blit(copy, 0, width, width, height, 0, Blit.COPY, x_dest, y_dest, anchor);
    }

    public void drawRGB(int[] rgbData, int offset, int scanlength, int x, int y, int width,
            int height, boolean processAlpha) {
        if (rgbData == null) {
            throw new NullPointerException();
        }
        if (width <= 0 || height <= 0) {
            return;
        }
        long first = offset + Math.min(0L, (long) (height - 1) * scanlength);
        long last = offset + Math.max(0L, (long) (height - 1) * scanlength) + width - 1;
        if (first < 0 || last >= rgbData.length) {
            throw new ArrayIndexOutOfBoundsException("rgbData too small for the region");
        }
        blit(rgbData, offset, scanlength, width, height, 0, processAlpha ? Blit.BLEND : Blit.OPAQUE,
                x, y, TOP | LEFT);
    }

    public int getDisplayColor(int color) {
        return color & 0xFFFFFF;
    }

    private int modeFor(Pixmap source) {
        return source.isOpaque() ? (target.hasAlpha ? Blit.OPAQUE : Blit.COPY) : Blit.BLEND;
    }

    private void blit(int[] src, int offset, int scan, int w, int h, int transform, int mode, int x,
            int y, int anchor) {
        boolean swap = Blit.swapsAxes(transform);
        int boxW = swap ? h : w;
        int boxH = swap ? w : h;
        int left = x + translateX;
        int top = y + translateY;
        if ((anchor & HCENTER) != 0) {
            left -= boxW / 2;
        } else if ((anchor & RIGHT) != 0) {
            left -= boxW;
        }
        if ((anchor & VCENTER) != 0) {
            top -= boxH / 2;
        } else if ((anchor & BOTTOM) != 0) {
            top -= boxH;
        }
        Blit.draw(src, offset, scan, w, h, transform, mode, target, left, top, clipX, clipY,
                clipWidth, clipHeight);
    }

    /** One horizontal and one vertical anchor (TOP, BASELINE or BOTTOM), or 0 for TOP|LEFT. */
    private static void checkTextAnchor(int anchor) {
        checkAnchor(anchor, TOP | BASELINE | BOTTOM);
    }

    /** One horizontal and one vertical anchor (TOP, VCENTER or BOTTOM), or 0 for TOP|LEFT. */
    private static void checkImageAnchor(int anchor) {
        checkAnchor(anchor, TOP | VCENTER | BOTTOM);
    }

    private static void checkAnchor(int anchor, int verticals) {
        if (anchor == 0) {
            return;
        }
        int horizontal = anchor & (LEFT | HCENTER | RIGHT);
        int vertical = anchor & verticals;
        if (anchor != (horizontal | vertical) || Integer.bitCount(horizontal) != 1
                || Integer.bitCount(vertical) != 1) {
            throw new IllegalArgumentException("bad anchor " + anchor);
        }
    }
}
