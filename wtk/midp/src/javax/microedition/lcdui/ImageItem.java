package javax.microedition.lcdui;

public class ImageItem extends Item {
    private Image image;
    private String altText;
    private final int appearanceMode;

    public ImageItem(String label, Image img, int layout, String altText) {
        this(label, img, layout, altText, PLAIN);
    }

    public ImageItem(String label, Image image, int layout, String altText, int appearanceMode) {
        super(label);
        if (appearanceMode < PLAIN || appearanceMode > BUTTON) {
            throw new IllegalArgumentException("bad appearance " + appearanceMode);
        }
        setLayout(layout);
        this.image = image;
        this.altText = altText;
        this.appearanceMode = appearanceMode;
    }

    public Image getImage() {
        return image;
    }

    public void setImage(Image img) {
        image = img;
        changed();
    }

    public String getAltText() {
        return altText;
    }

    public void setAltText(String text) {
        altText = text;
    }

    public int getAppearanceMode() {
        return appearanceMode;
    }

    int paintContent(Graphics g, int x, int y, int width, boolean focused) {
        if (image == null) {
            return 0;
        }
        if (g != null) {
            int align = getLayout() & LAYOUT_CENTER;
            int left = align == LAYOUT_CENTER ? x + (width - image.getWidth()) / 2
                    : align == LAYOUT_RIGHT   ? x + width - image.getWidth()
                                              : x;
            g.drawImage(image, left, y, Graphics.LEFT | Graphics.TOP);
        }
        return image.getHeight();
    }
}
