package javax.microedition.lcdui;

import java.awt.image.BufferedImage;
import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import javax.imageio.ImageIO;
import zor.wtk.Blit;
import zor.wtk.Pixmap;
import zor.wtk.Suite;

public class Image {
    static {
        ImageIO.setUseCache(false);
    }

    private final Pixmap pixmap;
    private final boolean mutable;

    private Image(Pixmap pixmap, boolean mutable) {
        this.pixmap = pixmap;
        this.mutable = mutable;
    }

    public static Image createImage(int width, int height) {
        if (width <= 0 || height <= 0) {
            throw new IllegalArgumentException("image size " + width + "x" + height);
        }
        Pixmap p = new Pixmap(width, height, false);
        p.fill(0xFFFFFF);
        return new Image(p, true);
    }

    public static Image createImage(Image source) {
        if (!source.mutable) {
            return source;
        }
        return createImage(source, 0, 0, source.getWidth(), source.getHeight(), 0);
    }

    public static Image createImage(String name) throws IOException {
        if (name == null) {
            throw new NullPointerException();
        }
        InputStream in = Suite.current().resource(name);
        try {
            return createImage(in);
        } finally {
            in.close();
        }
    }

    public static Image createImage(byte[] imageData, int imageOffset, int imageLength) {
        if (imageOffset < 0 || imageLength < 0 || imageOffset > imageData.length - imageLength) {
            throw new ArrayIndexOutOfBoundsException(
                    "offset " + imageOffset + ", length " + imageLength);
        }
        try {
            return decode(new ByteArrayInputStream(imageData, imageOffset, imageLength));
        } catch (IOException e) {
            throw new IllegalArgumentException(e.getMessage());
        }
    }

    public static Image createImage(
            Image image, int x, int y, int width, int height, int transform) {
        if (!Blit.isValidTransform(transform)) {
            throw new IllegalArgumentException("bad transform " + transform);
        }
        if (width <= 0 || height <= 0 || x < 0 || y < 0 || x > image.getWidth() - width
                || y > image.getHeight() - height) {
            throw new IllegalArgumentException("region outside the image");
        }
        boolean swap = Blit.swapsAxes(transform);
        Pixmap src = image.pixmap;
        Pixmap p = new Pixmap(swap ? height : width, swap ? width : height, true);
        Blit.draw(src.data, y * src.width + x, src.width, width, height, transform,
                src.hasAlpha ? Blit.COPY : Blit.OPAQUE, p, 0, 0, 0, 0, p.width, p.height);
        p.updateOpacity();
        return new Image(p, false);
    }

    public static Image createImage(InputStream stream) throws IOException {
        if (stream == null) {
            throw new NullPointerException();
        }
        return decode(stream);
    }

    public static Image createRGBImage(int[] rgb, int width, int height, boolean processAlpha) {
        if (rgb == null) {
            throw new NullPointerException();
        }
        if (width <= 0 || height <= 0) {
            throw new IllegalArgumentException("image size " + width + "x" + height);
        }
        if ((long) width * height > rgb.length) {
            throw new ArrayIndexOutOfBoundsException("need " + (long) width * height + " pixels");
        }
        Pixmap p = new Pixmap(width, height, true);
        Blit.draw(rgb, 0, width, width, height, 0, processAlpha ? Blit.COPY : Blit.OPAQUE, p, 0, 0,
                0, 0, width, height);
        p.updateOpacity();
        return new Image(p, false);
    }

    private static Image decode(InputStream in) throws IOException {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        byte[] chunk = new byte[8192];
        for (int n; (n = in.read(chunk)) > 0;) {
            bytes.write(chunk, 0, n);
        }
        BufferedImage decoded;
        try {
            decoded = ImageIO.read(new ByteArrayInputStream(bytes.toByteArray()));
        } catch (RuntimeException e) {
            throw new IOException("broken image data: " + e.getMessage());
        }
        if (decoded == null) {
            throw new IOException("not an image in a known format");
        }
        int w = decoded.getWidth();
        int h = decoded.getHeight();
        Pixmap p = new Pixmap(w, h, true);
        decoded.getRGB(0, 0, w, h, p.data, 0, w);
        p.updateOpacity();
        return new Image(p, false);
    }

    public Graphics getGraphics() {
        if (!mutable) {
            throw new IllegalStateException("the image is immutable");
        }
        return new Graphics(pixmap, this);
    }

    public int getWidth() {
        return pixmap.width;
    }

    public int getHeight() {
        return pixmap.height;
    }

    public boolean isMutable() {
        return mutable;
    }

    public void getRGB(
            int[] rgbData, int offset, int scanlength, int x, int y, int width, int height) {
        if (rgbData == null) {
            throw new NullPointerException();
        }
        if (width <= 0 || height <= 0) {
            return;
        }
        if (x < 0 || y < 0 || x > pixmap.width - width || y > pixmap.height - height) {
            throw new IllegalArgumentException("region outside the image");
        }
        if (Math.abs(scanlength) < width) {
            throw new IllegalArgumentException(
                    "scan length " + scanlength + " below width " + width);
        }
        long first = offset + Math.min(0L, (long) (height - 1) * scanlength);
        long last = offset + Math.max(0L, (long) (height - 1) * scanlength) + width - 1;
        if (first < 0 || last >= rgbData.length) {
            throw new ArrayIndexOutOfBoundsException("rgbData too small for the region");
        }
        for (int row = 0; row < height; row++) {
            int s = (y + row) * pixmap.width + x;
            int d = offset + row * scanlength;
            if (pixmap.hasAlpha) {
                System.arraycopy(pixmap.data, s, rgbData, d, width);
            } else {
                for (int i = 0; i < width; i++) {
                    rgbData[d + i] = pixmap.data[s + i] | 0xFF000000;
                }
            }
        }
    }

    Pixmap pixmap() {
        return pixmap;
    }
}
