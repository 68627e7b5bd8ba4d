package javax.microedition.lcdui;

import java.util.ArrayList;
import zor.wtk.Access;

public class Form extends Screen {
    private final ArrayList<Item> items = new ArrayList<Item>();
    private ItemStateListener itemStateListener;
    private int focus = -1;
    private int scroll;

    public Form(String title) {
        this(title, null);
    }

    public Form(String title, Item[] items) {
        setTitle(title);
        if (items != null) {
            for (Item item : items) {
                append(item);
            }
        }
    }

    public int append(Item item) {
        insert(items.size(), item);
        return items.size() - 1;
    }

    public int append(String str) {
        if (str == null) {
            throw new NullPointerException();
        }
        return append(new StringItem(null, str));
    }

    public int append(Image img) {
        if (img == null) {
            throw new NullPointerException();
        }
        return append(new ImageItem(null, img, Item.LAYOUT_DEFAULT, null));
    }

    public void insert(int itemNum, Item item) {
        if (item == null) {
            throw new NullPointerException();
        }
        if (itemNum < 0 || itemNum > items.size()) {
            throw new IndexOutOfBoundsException("item " + itemNum + " of " + items.size());
        }
        item.setOwner(this);
        items.add(itemNum, item);
        if (focus >= itemNum) {
            focus++;
        }
        Display.changed(this);
    }

    public void delete(int itemNum) {
        check(itemNum);
        items.remove(itemNum).setOwner(null);
        if (focus >= items.size() || focus == itemNum) {
            focus = -1;
        } else if (focus > itemNum) {
            focus--;
        }
        Display.changed(this);
    }

    public void deleteAll() {
        for (Item item : items) {
            item.setOwner(null);
        }
        items.clear();
        focus = -1;
        Display.changed(this);
    }

    public void set(int itemNum, Item item) {
        check(itemNum);
        if (item == null) {
            throw new NullPointerException();
        }
        item.setOwner(this);
        items.set(itemNum, item).setOwner(null);
        Display.changed(this);
    }

    public Item get(int itemNum) {
        check(itemNum);
        return items.get(itemNum);
    }

    public void setItemStateListener(ItemStateListener iListener) {
        itemStateListener = iListener;
    }

    public int size() {
        return items.size();
    }

    private void check(int itemNum) {
        if (itemNum < 0 || itemNum >= items.size()) {
            throw new IndexOutOfBoundsException("item " + itemNum + " of " + items.size());
        }
    }

    void itemChanged(Item item) {
        if (itemStateListener != null) {
            itemStateListener.itemStateChanged(item);
        }
    }

    private Item focused() {
        return focus >= 0 && focus < items.size() ? items.get(focus) : null;
    }

    boolean charTyped(char c) {
        Item item = focused();
        return item != null && item.charTyped(c);
    }

    void paintContent(Graphics g, int width, int height) {
        g.setColor(0xFFFFFF);
        g.fillRect(0, 0, width, height);
        int inner = width - 2 * MARGIN;
        int y = MARGIN;
        int focusTop = 0;
        int focusBottom = 0;
        for (int i = 0; i < items.size(); i++) {
            int h = items.get(i).height(inner);
            if (i == focus) {
                focusTop = y;
                focusBottom = y + h;
            }
            y += h + MARGIN;
        }
        if (focus >= 0) {
            if (focusBottom - scroll > height) {
                scroll = focusBottom - height;
            }
            if (focusTop < scroll) {
                scroll = focusTop;
            }
        }
        scroll = Math.max(0, Math.min(scroll, y - height));
        y = MARGIN - scroll;
        for (int i = 0; i < items.size(); i++) {
            y += items.get(i).paint(g, MARGIN, y, inner, i == focus) + MARGIN;
        }
    }

    void keyEvent(int keyCode, int kind) {
        if (kind == Access.KEY_RELEASED) {
            return;
        }
        int action = Canvas.gameAction(keyCode);
        Item item = focused();
        if (action == Canvas.UP || action == Canvas.DOWN) {
            int step = action == Canvas.UP ? -1 : 1;
            if (item instanceof ChoiceGroup && ((ChoiceGroup) item).moveWithin(step)) {
                return;
            }
            for (int i = focus + step; i >= 0 && i < items.size(); i += step) {
                if (items.get(i).isFocusable()) {
                    focus = i;
                    return;
                }
            }
            scroll = Math.max(0, scroll + step * Font.getDefaultFont().getHeight());
        } else if (item != null && (action == Canvas.LEFT || action == Canvas.RIGHT)) {
            item.sideways(action == Canvas.LEFT ? -1 : 1);
        } else if (item != null && action == Canvas.FIRE && kind == Access.KEY_PRESSED) {
            item.activate();
        }
    }
}
