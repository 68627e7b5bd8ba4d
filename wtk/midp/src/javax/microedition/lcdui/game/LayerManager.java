package javax.microedition.lcdui.game;

import java.util.Vector;
import javax.microedition.lcdui.Graphics;

public class LayerManager {
    /** Index 0 is nearest to the viewer. */
    private final Vector<Layer> layers = new Vector<Layer>();
    private int viewX;
    private int viewY;
    private int viewWidth = Integer.MAX_VALUE;
    private int viewHeight = Integer.MAX_VALUE;

    public LayerManager() {}

    public void append(Layer l) {
        if (l == null) {
            throw new NullPointerException();
        }
        layers.removeElement(l);
        layers.addElement(l);
    }

    public void insert(Layer l, int index) {
        if (l == null) {
            throw new NullPointerException();
        }
        int sizeWithout = layers.size() - (layers.contains(l) ? 1 : 0);
        if (index < 0 || index > sizeWithout) {
            throw new IndexOutOfBoundsException("index " + index + " of " + sizeWithout);
        }
        layers.removeElement(l);
        layers.insertElementAt(l, index);
    }

    public Layer getLayerAt(int index) {
        if (index < 0 || index >= layers.size()) {
            throw new IndexOutOfBoundsException("index " + index + " of " + layers.size());
        }
        return layers.elementAt(index);
    }

    public int getSize() {
        return layers.size();
    }

    public void remove(Layer l) {
        if (l == null) {
            throw new NullPointerException();
        }
        layers.removeElement(l);
    }

    public void paint(Graphics g, int x, int y) {
        if (g == null) {
            throw new NullPointerException();
        }
        int clipX = g.getClipX();
        int clipY = g.getClipY();
        int clipWidth = g.getClipWidth();
        int clipHeight = g.getClipHeight();
        g.clipRect(x, y, viewWidth, viewHeight);
        int dx = x - viewX;
        int dy = y - viewY;
        g.translate(dx, dy);
        for (int i = layers.size() - 1; i >= 0; i--) {
            Layer layer = layers.elementAt(i);
            if (layer.isVisible()) {
                layer.paint(g);
            }
        }
        g.translate(-dx, -dy);
        g.setClip(clipX, clipY, clipWidth, clipHeight);
    }

    public void setViewWindow(int x, int y, int width, int height) {
        if (width < 0 || height < 0) {
            throw new IllegalArgumentException("negative view window size");
        }
        viewX = x;
        viewY = y;
        viewWidth = width;
        viewHeight = height;
    }
}
