package javax.microedition.lcdui;

public class Alert extends Screen {
    public static final int FOREVER = -2;
    public static final Command DISMISS_COMMAND = new Command("Done", Command.OK, 0);

    private String text;
    private Image image;
    private AlertType type;
    private int timeout = getDefaultTimeout();
    private Gauge indicator;
    private Displayable next;

    public Alert(String title) {
        this(title, null, null, null);
    }

    public Alert(String title, String alertText, Image alertImage, AlertType alertType) {
        setTitle(title);
        text = alertText;
        image = alertImage;
        type = alertType;
        super.addCommand(DISMISS_COMMAND);
    }

    public int getDefaultTimeout() {
        return 2000;
    }

    public int getTimeout() {
        Command[] commands = commands();
        boolean modal = commands.length != 1 || commands[0] != DISMISS_COMMAND;
        return modal ? FOREVER : timeout;
    }

    public void setTimeout(int time) {
        if (time <= 0 && time != FOREVER) {
            throw new IllegalArgumentException("bad timeout " + time);
        }
        timeout = time;
    }

    public AlertType getType() {
        return type;
    }

    public void setType(AlertType type) {
        this.type = type;
    }

    public String getString() {
        return text;
    }

    public void setString(String str) {
        text = str;
        Display.changed(this);
    }

    public Image getImage() {
        return image;
    }

    public void setImage(Image img) {
        image = img;
        Display.changed(this);
    }

    public void setIndicator(Gauge indicator) {
        this.indicator = indicator;
    }

    public Gauge getIndicator() {
        return indicator;
    }

    public void addCommand(Command cmd) {
        if (cmd == DISMISS_COMMAND) {
            return;
        }
        super.removeCommand(DISMISS_COMMAND);
        super.addCommand(cmd);
    }

    public void removeCommand(Command cmd) {
        super.removeCommand(cmd);
        if (commands().length == 0) {
            super.addCommand(DISMISS_COMMAND);
        }
    }

    void setNext(Displayable next) {
        this.next = next;
    }

    Displayable next() {
        return next;
    }

    void paintContent(Graphics g, int width, int height) {
        g.setColor(0xFFFFFF);
        g.fillRect(0, 0, width, height);
        int y = MARGIN;
        if (image != null) {
            g.drawImage(image, width / 2, y, Graphics.HCENTER | Graphics.TOP);
            y += image.getHeight() + MARGIN;
        }
        g.setColor(0);
        if (text != null) {
            drawText(g, text, Font.getDefaultFont(), MARGIN, y, width - 2 * MARGIN);
        }
    }

    void keyEvent(int keyCode, int kind) {
        if (kind == zor.wtk.Access.KEY_PRESSED && Canvas.gameAction(keyCode) == Canvas.FIRE) {
            Display.instance().fire(commands()[0], this);
        }
    }
}
