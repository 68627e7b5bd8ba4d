package javax.microedition.lcdui;

import zor.wtk.Access;

public class List extends Screen implements Choice {
    public static final Command SELECT_COMMAND = new Command("", Command.SCREEN, 0);

    private final ChoiceModel model;
    private Command selectCommand = SELECT_COMMAND;
    private int scroll;

    public List(String title, int listType) {
        this(title, listType, new String[0], null);
    }

    public List(String title, int listType, String[] stringElements, Image[] imageElements) {
        if (listType != IMPLICIT && listType != EXCLUSIVE && listType != MULTIPLE) {
            throw new IllegalArgumentException("bad list type " + listType);
        }
        if (stringElements == null) {
            throw new NullPointerException();
        }
        model = new ChoiceModel(listType, stringElements, imageElements);
        setTitle(title);
    }

    public int size() {
        return model.size();
    }

    public String getString(int elementNum) {
        return model.getString(elementNum);
    }

    public Image getImage(int elementNum) {
        return model.getImage(elementNum);
    }

    public int append(String stringPart, Image imagePart) {
        int index = model.append(stringPart, imagePart);
        Display.changed(this);
        return index;
    }

    public void insert(int elementNum, String stringPart, Image imagePart) {
        model.insert(elementNum, stringPart, imagePart);
        Display.changed(this);
    }

    public void delete(int elementNum) {
        model.delete(elementNum);
        Display.changed(this);
    }

    public void deleteAll() {
        model.deleteAll();
        Display.changed(this);
    }

    public void set(int elementNum, String stringPart, Image imagePart) {
        model.set(elementNum, stringPart, imagePart);
        Display.changed(this);
    }

    public boolean isSelected(int elementNum) {
        return model.isSelected(elementNum);
    }

    public int getSelectedIndex() {
        return model.getSelectedIndex();
    }

    public int getSelectedFlags(boolean[] selectedArray_return) {
        return model.getSelectedFlags(selectedArray_return);
    }

    public void setSelectedIndex(int elementNum, boolean selected) {
        model.setSelectedIndex(elementNum, selected);
        Display.changed(this);
    }

    public void setSelectedFlags(boolean[] selectedArray) {
        model.setSelectedFlags(selectedArray);
        Display.changed(this);
    }

    public void removeCommand(Command cmd) {
        if (cmd == selectCommand) {
            selectCommand = null;
        }
        super.removeCommand(cmd);
    }

    public void setSelectCommand(Command command) {
        if (model.type() != IMPLICIT) {
            return;
        }
        if (command != null && command != SELECT_COMMAND) {
            addCommand(command);
        }
        selectCommand = command;
    }

    public void setFitPolicy(int fitPolicy) {
        model.setFitPolicy(fitPolicy);
    }

    public int getFitPolicy() {
        return model.getFitPolicy();
    }

    public void setFont(int elementNum, Font font) {
        model.setFont(elementNum, font);
    }

    public Font getFont(int elementNum) {
        return model.getFont(elementNum);
    }

    void paintContent(Graphics g, int width, int height) {
        g.setColor(0xFFFFFF);
        g.fillRect(0, 0, width, height);
        int full = model.paint(null, 0, 0, width, true);
        int rowGuess = model.size() == 0 ? 1 : Math.max(1, full / model.size());
        int highlightTop = model.highlighted() * rowGuess;
        if (highlightTop < scroll) {
            scroll = highlightTop;
        } else if (highlightTop + rowGuess > scroll + height) {
            scroll = highlightTop + rowGuess - height;
        }
        model.paint(g, 0, -scroll, width, true);
    }

    void keyEvent(int keyCode, int kind) {
        if (kind == Access.KEY_RELEASED) {
            return;
        }
        int action = Canvas.gameAction(keyCode);
        if (action == Canvas.UP || action == Canvas.DOWN) {
            model.moveHighlight(action == Canvas.UP ? -1 : 1);
        } else if (action == Canvas.FIRE && kind == Access.KEY_PRESSED) {
            model.activateHighlighted();
            if (model.type() == IMPLICIT && selectCommand != null) {
                Display.instance().fire(selectCommand, this);
            }
        }
    }
}
