package javax.microedition.lcdui;

import java.util.ArrayList;

/** The elements, selection and highlight shared by List and ChoiceGroup. */
final class ChoiceModel {
    private final int type;
    private final ArrayList<String> strings = new ArrayList<String>();
    private final ArrayList<Image> images = new ArrayList<Image>();
    private final ArrayList<Font> fonts = new ArrayList<Font>();
    private final ArrayList<Boolean> selected = new ArrayList<Boolean>();
    private int highlighted;
    private int fitPolicy = Choice.TEXT_WRAP_DEFAULT;

    ChoiceModel(int type, String[] stringElements, Image[] imageElements) {
        this.type = type;
        if (stringElements != null) {
            if (imageElements != null && imageElements.length != stringElements.length) {
                throw new IllegalArgumentException("as many images as strings are needed");
            }
            for (int i = 0; i < stringElements.length; i++) {
                append(stringElements[i], imageElements == null ? null : imageElements[i]);
            }
        }
    }

    int type() {
        return type;
    }

    int size() {
        return strings.size();
    }

    private void check(int index, int limit) {
        if (index < 0 || index >= limit) {
            throw new IndexOutOfBoundsException("element " + index + " of " + strings.size());
        }
    }

    String getString(int i) {
        check(i, size());
        return strings.get(i);
    }

    Image getImage(int i) {
        check(i, size());
        return images.get(i);
    }

    int append(String s, Image img) {
        insert(size(), s, img);
        return size() - 1;
    }

    void insert(int i, String s, Image img) {
        if (s == null) {
            throw new NullPointerException();
        }
        check(i, size() + 1);
        strings.add(i, s);
        images.add(i, img);
        fonts.add(i, null);
        boolean first = size() == 1 && type != Choice.MULTIPLE;
        selected.add(i, Boolean.valueOf(first));
    }

    void delete(int i) {
        check(i, size());
        boolean wasSelected = selected.get(i).booleanValue();
        strings.remove(i);
        images.remove(i);
        fonts.remove(i);
        selected.remove(i);
        if (wasSelected && type != Choice.MULTIPLE && size() > 0) {
            selected.set(Math.min(i, size() - 1), Boolean.TRUE);
        }
        highlighted = Math.max(0, Math.min(highlighted, size() - 1));
    }

    void deleteAll() {
        strings.clear();
        images.clear();
        fonts.clear();
        selected.clear();
        highlighted = 0;
    }

    void set(int i, String s, Image img) {
        if (s == null) {
            throw new NullPointerException();
        }
        check(i, size());
        strings.set(i, s);
        images.set(i, img);
    }

    boolean isSelected(int i) {
        check(i, size());
        return selected.get(i).booleanValue();
    }

    int getSelectedIndex() {
        if (type == Choice.MULTIPLE) {
            return -1;
        }
        return selected.indexOf(Boolean.TRUE);
    }

    int getSelectedFlags(boolean[] flags) {
        if (flags.length < size()) {
            throw new IllegalArgumentException("array shorter than the choice");
        }
        int count = 0;
        for (int i = 0; i < flags.length; i++) {
            flags[i] = i < size() && selected.get(i).booleanValue();
            count += flags[i] ? 1 : 0;
        }
        return count;
    }

    void setSelectedIndex(int i, boolean on) {
        check(i, size());
        if (type == Choice.MULTIPLE) {
            selected.set(i, Boolean.valueOf(on));
        } else if (on) {
            for (int k = 0; k < size(); k++) {
                selected.set(k, Boolean.valueOf(k == i));
            }
            highlighted = i;
        }
    }

    void setSelectedFlags(boolean[] flags) {
        if (flags.length < size()) {
            throw new IllegalArgumentException("array shorter than the choice");
        }
        if (type == Choice.MULTIPLE) {
            for (int i = 0; i < size(); i++) {
                selected.set(i, Boolean.valueOf(flags[i]));
            }
            return;
        }
        int first = 0;
        for (int i = size() - 1; i >= 0; i--) {
            first = flags[i] ? i : first;
        }
        if (size() > 0) {
            setSelectedIndex(first, true);
        }
    }

    void setFitPolicy(int policy) {
        if (policy < Choice.TEXT_WRAP_DEFAULT || policy > Choice.TEXT_WRAP_OFF) {
            throw new IllegalArgumentException("bad fit policy " + policy);
        }
        fitPolicy = policy;
    }

    int getFitPolicy() {
        return fitPolicy;
    }

    void setFont(int i, Font font) {
        check(i, size());
        fonts.set(i, font);
    }

    Font getFont(int i) {
        check(i, size());
        Font f = fonts.get(i);
        return f == null ? Font.getDefaultFont() : f;
    }

    int highlighted() {
        return highlighted;
    }

    /** Moves the highlight by the step; true when it moved. */
    boolean moveHighlight(int step) {
        int next = highlighted + step;
        if (next < 0 || next >= size()) {
            return false;
        }
        highlighted = next;
        return true;
    }

    /** Selects or toggles the highlighted element as its type does. */
    void activateHighlighted() {
        if (size() == 0) {
            return;
        }
        setSelectedIndex(highlighted, type != Choice.MULTIPLE || !isSelected(highlighted));
    }

    /** Draws the elements from y on (all of them, or only the selected one for a popup). */
    int paint(Graphics g, int x, int y, int width, boolean focused) {
        int top = y;
        for (int i = 0; i < size(); i++) {
            if (type == Choice.POPUP && !isSelected(i)) {
                continue;
            }
            Font font = getFont(i);
            int rowHeight = font.getHeight() + 2;
            Image img = images.get(i);
            if (img != null) {
                rowHeight = Math.max(rowHeight, img.getHeight() + 2);
            }
            boolean hot = focused && (i == highlighted || type == Choice.POPUP);
            if (g != null) {
                g.setColor(hot ? 0x2050A0 : 0xFFFFFF);
                g.fillRect(x, y, width, rowHeight);
                g.setColor(hot ? 0xFFFFFF : 0x000000);
                int textX = x + 2;
                if (type == Choice.EXCLUSIVE || type == Choice.MULTIPLE) {
                    int box = font.getHeight() - 6;
                    if (type == Choice.EXCLUSIVE) {
                        g.drawArc(textX, y + 4, box, box, 0, 360);
                    } else {
                        g.drawRect(textX, y + 4, box, box);
                    }
                    if (isSelected(i)) {
                        g.fillRect(textX + 2, y + 6, box - 3, box - 3);
                    }
                    textX += box + 4;
                }
                if (img != null) {
                    g.drawImage(img, textX, y + 1, Graphics.LEFT | Graphics.TOP);
                    textX += img.getWidth() + 2;
                }
                g.setFont(font);
                g.drawString(strings.get(i), textX, y + 1, Graphics.LEFT | Graphics.TOP);
            }
            y += rowHeight;
        }
        return y - top;
    }
}
