package javax.microedition.lcdui.game;

import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import zor.wtk.Blit;
import zor.wtk.Grid;

public class Sprite extends Layer {
    public static final int TRANS_NONE = 0;
    public static final int TRANS_ROT90 = 5;
    public static final int TRANS_ROT180 = 3;
    public static final int TRANS_ROT270 = 6;
    public static final int TRANS_MIRROR = 2;
    public static final int TRANS_MIRROR_ROT90 = 7;
    public static final int TRANS_MIRROR_ROT180 = 1;
    public static final int TRANS_MIRROR_ROT270 = 4;

    private Image image;
    private int frameWidth;
    private int frameHeight;
    private int rawFrameCount;
    private int[] sequence;
    private boolean customSequence;
    private int sequenceIndex;
    private int refX;
    private int refY;
    private int transform;
    // The collision rectangle in the coordinates of the untransformed frame.
    private int collisionX;
    private int collisionY;
    private int collisionWidth;
    private int collisionHeight;

    public Sprite(Image image) {
        this(image, image.getWidth(), image.getHeight());
    }

    public Sprite(Image image, int frameWidth, int frameHeight) {
        super(frameWidth, frameHeight);
        setFrames(image, frameWidth, frameHeight);
        sequence = defaultSequence(rawFrameCount);
        defineCollisionRectangle(0, 0, frameWidth, frameHeight);
    }

    public Sprite(Sprite s) {
        super(s.getWidth(), s.getHeight());
        image = s.image;
        frameWidth = s.frameWidth;
        frameHeight = s.frameHeight;
        rawFrameCount = s.rawFrameCount;
        sequence = (int[]) s.sequence.clone();
        customSequence = s.customSequence;
        sequenceIndex = s.sequenceIndex;
        refX = s.refX;
        refY = s.refY;
        transform = s.transform;
        collisionX = s.collisionX;
        collisionY = s.collisionY;
        collisionWidth = s.collisionWidth;
        collisionHeight = s.collisionHeight;
        setPosition(s.getX(), s.getY());
        setVisible(s.isVisible());
    }

    private void setFrames(Image img, int width, int height) {
        rawFrameCount = Grid.cellCount(img, width, height);
        image = img;
        frameWidth = width;
        frameHeight = height;
    }

    private static int[] defaultSequence(int count) {
        int[] s = new int[count];
        for (int i = 0; i < count; i++) {
            s[i] = i;
        }
        return s;
    }

    public void defineReferencePixel(int x, int y) {
        refX = x;
        refY = y;
    }

    public void setRefPixelPosition(int x, int y) {
        setPosition(
                x - transformedX(refX, refY, transform), y - transformedY(refX, refY, transform));
    }

    public int getRefPixelX() {
        return getX() + transformedX(refX, refY, transform);
    }

    public int getRefPixelY() {
        return getY() + transformedY(refX, refY, transform);
    }

    public void setFrame(int sequenceIndex) {
        if (sequenceIndex < 0 || sequenceIndex >= sequence.length) {
            throw new IndexOutOfBoundsException(
                    "frame " + sequenceIndex + " of " + sequence.length);
        }
        this.sequenceIndex = sequenceIndex;
    }

    public final int getFrame() {
        return sequenceIndex;
    }

    public int getRawFrameCount() {
        return rawFrameCount;
    }

    public int getFrameSequenceLength() {
        return sequence.length;
    }

    public void nextFrame() {
        sequenceIndex = (sequenceIndex + 1) % sequence.length;
    }

    public void prevFrame() {
        sequenceIndex = (sequenceIndex + sequence.length - 1) % sequence.length;
    }

    public final void paint(Graphics g) {
        if (g == null) {
            throw new NullPointerException();
        }
        if (!isVisible()) {
            return;
        }
        int frame = sequence[sequenceIndex];
        int columns = image.getWidth() / frameWidth;
        g.drawRegion(image, (frame % columns) * frameWidth, (frame / columns) * frameHeight,
                frameWidth, frameHeight, transform, getX(), getY(), Graphics.TOP | Graphics.LEFT);
    }

    public void setFrameSequence(int[] sequence) {
        if (sequence == null) {
            this.sequence = defaultSequence(rawFrameCount);
            customSequence = false;
            sequenceIndex = 0;
            return;
        }
        if (sequence.length < 1) {
            throw new IllegalArgumentException("empty frame sequence");
        }
        for (int frame : sequence) {
            if (frame < 0 || frame >= rawFrameCount) {
                throw new ArrayIndexOutOfBoundsException("no frame " + frame);
            }
        }
        this.sequence = (int[]) sequence.clone();
        customSequence = true;
        sequenceIndex = 0;
    }

    public void setImage(Image img, int frameWidth, int frameHeight) {
        int oldCount = rawFrameCount;
        boolean resized = frameWidth != this.frameWidth || frameHeight != this.frameHeight;
        int refScreenX = getRefPixelX();
        int refScreenY = getRefPixelY();
        setFrames(img, frameWidth, frameHeight);
        if (rawFrameCount < oldCount) {
            sequence = defaultSequence(rawFrameCount);
            customSequence = false;
            sequenceIndex = 0;
        } else if (!customSequence) {
            sequence = defaultSequence(rawFrameCount);
        }
        if (resized) {
            defineCollisionRectangle(0, 0, frameWidth, frameHeight);
            applyTransform(transform);
            setRefPixelPosition(refScreenX, refScreenY);
        }
    }

    public void defineCollisionRectangle(int x, int y, int width, int height) {
        if (width < 0 || height < 0) {
            throw new IllegalArgumentException("negative collision rectangle size");
        }
        collisionX = x;
        collisionY = y;
        collisionWidth = width;
        collisionHeight = height;
    }

    public void setTransform(int transform) {
        if (!Blit.isValidTransform(transform)) {
            throw new IllegalArgumentException("bad transform " + transform);
        }
        int refScreenX = getRefPixelX();
        int refScreenY = getRefPixelY();
        applyTransform(transform);
        setRefPixelPosition(refScreenX, refScreenY);
    }

    private void applyTransform(int t) {
        transform = t;
        boolean swap = Blit.swapsAxes(t);
        setSize(swap ? frameHeight : frameWidth, swap ? frameWidth : frameHeight);
    }

    /** Where pixel (x, y) of the untransformed frame lands in the transformed one. */
    private int transformedX(int x, int y, int t) {
        switch (t) {
            case TRANS_ROT90:
            case TRANS_MIRROR_ROT90: return frameHeight - 1 - y;
            case TRANS_ROT180:
            case TRANS_MIRROR: return frameWidth - 1 - x;
            case TRANS_ROT270:
            case TRANS_MIRROR_ROT270: return y;
            default: return x;
        }
    }

    private int transformedY(int x, int y, int t) {
        switch (t) {
            case TRANS_ROT90:
            case TRANS_MIRROR_ROT270: return x;
            case TRANS_ROT180:
            case TRANS_MIRROR_ROT180: return frameHeight - 1 - y;
            case TRANS_ROT270:
            case TRANS_MIRROR_ROT90: return frameWidth - 1 - x;
            default: return y;
        }
    }

    // ---- collisions ----

    /** The collision rectangle on the painter's plane: {left, top, right, bottom}. */
    private int[] collisionBounds() {
        // Corners of the rectangle as points (not pixels) under the transform.
        int ax = pointX(collisionX, collisionY);
        int ay = pointY(collisionX, collisionY);
        int bx = pointX(collisionX + collisionWidth, collisionY + collisionHeight);
        int by = pointY(collisionX + collisionWidth, collisionY + collisionHeight);
        return new int[] {getX() + Math.min(ax, bx), getY() + Math.min(ay, by),
                getX() + Math.max(ax, bx), getY() + Math.max(ay, by)};
    }

    private int pointX(int x, int y) {
        return transformedX(x, y, transform) + pointShiftX();
    }

    private int pointY(int x, int y) {
        return transformedY(x, y, transform) + pointShiftY();
    }

    // A point maps like the pixel below-right of it, moved back by the pixel's own flip.
    private int pointShiftX() {
        switch (transform) {
            case TRANS_ROT90:
            case TRANS_MIRROR_ROT90:
            case TRANS_ROT180:
            case TRANS_MIRROR: return 1;
            default: return 0;
        }
    }

    private int pointShiftY() {
        switch (transform) {
            case TRANS_ROT180:
            case TRANS_MIRROR_ROT180:
            case TRANS_ROT270:
            case TRANS_MIRROR_ROT90: return 1;
            default: return 0;
        }
    }

    /**
     * Whether this sprite's pixel at (px, py) of the painter's plane is opaque and inside the
     *  collision rectangle; argb holds the current frame untransformed.
     */
    private boolean opaqueAt(int[] argb, int px, int py) {
        int u = px - getX();
        int v = py - getY();
        // Back from the transformed frame to the untransformed one.
        int x;
        int y;
        switch (transform) {
            case TRANS_ROT90:
                x = v;
                y = frameHeight - 1 - u;
                break;
            case TRANS_ROT180:
                x = frameWidth - 1 - u;
                y = frameHeight - 1 - v;
                break;
            case TRANS_ROT270:
                x = frameWidth - 1 - v;
                y = u;
                break;
            case TRANS_MIRROR:
                x = frameWidth - 1 - u;
                y = v;
                break;
            case TRANS_MIRROR_ROT90:
                x = frameWidth - 1 - v;
                y = frameHeight - 1 - u;
                break;
            case TRANS_MIRROR_ROT180:
                x = u;
                y = frameHeight - 1 - v;
                break;
            case TRANS_MIRROR_ROT270:
                x = v;
                y = u;
                break;
            default:
                x = u;
                y = v;
                break;
        }
        if (x < 0 || y < 0 || x >= frameWidth || y >= frameHeight || x < collisionX
                || y < collisionY || x >= collisionX + collisionWidth
                || y >= collisionY + collisionHeight) {
            return false;
        }
        return (argb[y * frameWidth + x] >>> 24) == 0xFF;
    }

    private int[] framePixels() {
        int frame = sequence[sequenceIndex];
        int columns = image.getWidth() / frameWidth;
        int[] argb = new int[frameWidth * frameHeight];
        image.getRGB(argb, 0, frameWidth, (frame % columns) * frameWidth,
                (frame / columns) * frameHeight, frameWidth, frameHeight);
        return argb;
    }

    public final boolean collidesWith(Sprite s, boolean pixelLevel) {
        if (!isVisible() || !s.isVisible()) {
            return false;
        }
        int[] a = collisionBounds();
        int[] b = s.collisionBounds();
        int left = Math.max(a[0], b[0]);
        int top = Math.max(a[1], b[1]);
        int right = Math.min(a[2], b[2]);
        int bottom = Math.min(a[3], b[3]);
        if (left >= right || top >= bottom) {
            return false;
        }
        if (!pixelLevel) {
            return true;
        }
        int[] mine = framePixels();
        int[] theirs = s.framePixels();
        for (int y = top; y < bottom; y++) {
            for (int x = left; x < right; x++) {
                if (opaqueAt(mine, x, y) && s.opaqueAt(theirs, x, y)) {
                    return true;
                }
            }
        }
        return false;
    }

    public final boolean collidesWith(TiledLayer t, boolean pixelLevel) {
        if (!isVisible() || !t.isVisible()) {
            return false;
        }
        int[] a = collisionBounds();
        int left = Math.max(a[0], t.getX());
        int top = Math.max(a[1], t.getY());
        int right = Math.min(a[2], t.getX() + t.getWidth());
        int bottom = Math.min(a[3], t.getY() + t.getHeight());
        if (left >= right || top >= bottom) {
            return false;
        }
        int cellW = t.getCellWidth();
        int cellH = t.getCellHeight();
        int firstCol = (left - t.getX()) / cellW;
        int lastCol = (right - 1 - t.getX()) / cellW;
        int firstRow = (top - t.getY()) / cellH;
        int lastRow = (bottom - 1 - t.getY()) / cellH;
        int[] mine = pixelLevel ? framePixels() : null;
        for (int row = firstRow; row <= lastRow; row++) {
            for (int col = firstCol; col <= lastCol; col++) {
                int tile = t.tileAt(col, row);
                if (tile == 0) {
                    continue;
                }
                if (!pixelLevel) {
                    return true;
                }
                int cellX = t.getX() + col * cellW;
                int cellY = t.getY() + row * cellH;
                int x0 = Math.max(left, cellX);
                int y0 = Math.max(top, cellY);
                int x1 = Math.min(right, cellX + cellW);
                int y1 = Math.min(bottom, cellY + cellH);
                int[] tilePixels = t.tilePixels(tile);
                for (int y = y0; y < y1; y++) {
                    for (int x = x0; x < x1; x++) {
                        if ((tilePixels[(y - cellY) * cellW + x - cellX] >>> 24) == 0xFF
                                && opaqueAt(mine, x, y)) {
                            return true;
                        }
                    }
                }
            }
        }
        return false;
    }

    public final boolean collidesWith(Image image, int x, int y, boolean pixelLevel) {
        if (image == null) {
            throw new NullPointerException();
        }
        if (!isVisible()) {
            return false;
        }
        int[] a = collisionBounds();
        int left = Math.max(a[0], x);
        int top = Math.max(a[1], y);
        int right = Math.min(a[2], x + image.getWidth());
        int bottom = Math.min(a[3], y + image.getHeight());
        if (left >= right || top >= bottom) {
            return false;
        }
        if (!pixelLevel) {
            return true;
        }
        int w = right - left;
        int[] theirs = new int[w * (bottom - top)];
        image.getRGB(theirs, 0, w, left - x, top - y, w, bottom - top);
        int[] mine = framePixels();
        for (int py = top; py < bottom; py++) {
            for (int px = left; px < right; px++) {
                if ((theirs[(py - top) * w + px - left] >>> 24) == 0xFF && opaqueAt(mine, px, py)) {
                    return true;
                }
            }
        }
        return false;
    }
}
