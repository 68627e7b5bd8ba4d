package javax.microedition.lcdui;

public class ChoiceGroup extends Item implements Choice {
    private final ChoiceModel model;

    public ChoiceGroup(String label, int choiceType) {
        this(label, choiceType, new String[0], null);
    }

    public ChoiceGroup(
            String label, int choiceType, String[] stringElements, Image[] imageElements) {
        super(label);
        if (choiceType != EXCLUSIVE && choiceType != MULTIPLE && choiceType != POPUP) {
            throw new IllegalArgumentException("bad choice type " + choiceType);
        }
        if (stringElements == null) {
            throw new NullPointerException();
        }
        model = new ChoiceModel(choiceType, stringElements, imageElements);
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
        changed();
        return index;
    }

    public void insert(int elementNum, String stringPart, Image imagePart) {
        model.insert(elementNum, stringPart, imagePart);
        changed();
    }

    public void delete(int elementNum) {
        model.delete(elementNum);
        changed();
    }

    public void deleteAll() {
        model.deleteAll();
        changed();
    }

    public void set(int elementNum, String stringPart, Image imagePart) {
        model.set(elementNum, stringPart, imagePart);
        changed();
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
        changed();
    }

    public void setSelectedFlags(boolean[] selectedArray) {
        model.setSelectedFlags(selectedArray);
        changed();
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

    boolean isFocusable() {
        return true;
    }

    boolean sideways(int step) {
        if (model.type() != POPUP || !model.moveHighlight(step)) {
            return false;
        }
        model.activateHighlighted();
        return true;
    }

    /** Up and down inside the group; false at its ends, so that the focus leaves it. */
    boolean moveWithin(int step) {
        return model.type() != POPUP && model.moveHighlight(step);
    }

    void activate() {
        model.activateHighlighted();
        notifyStateChanged();
        super.activate();
    }

    int paintContent(Graphics g, int x, int y, int width, boolean focused) {
        return model.paint(g, x, y, width, focused);
    }
}
