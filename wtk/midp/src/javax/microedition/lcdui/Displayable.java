package javax.microedition.lcdui;

import java.util.ArrayList;
import java.util.List;

public abstract class Displayable {
    /** Commands in the order the soft keys offer them: by priority, then by age. */
    private final List<Command> commands = new ArrayList<Command>();
    private CommandListener listener;
    private String title;
    private Ticker ticker;

    Displayable() {}

    public String getTitle() {
        return title;
    }

    public void setTitle(String s) {
        title = s;
        Display.changed(this);
    }

    public Ticker getTicker() {
        return ticker;
    }

    public void setTicker(Ticker ticker) {
        this.ticker = ticker;
        Display.changed(this);
    }

    public boolean isShown() {
        return Display.isShown(this);
    }

    public void addCommand(Command cmd) {
        if (cmd == null) {
            throw new NullPointerException();
        }
        synchronized (commands) {
            if (commands.contains(cmd)) {
                return;
            }
            int at = commands.size();
            while (at > 0 && commands.get(at - 1).getPriority() > cmd.getPriority()) {
                at--;
            }
            commands.add(at, cmd);
        }
        Display.changed(this);
    }

    public void removeCommand(Command cmd) {
        synchronized (commands) {
            commands.remove(cmd);
        }
        Display.changed(this);
    }

    public void setCommandListener(CommandListener l) {
        listener = l;
    }

    public int getWidth() {
        return Display.WIDTH;
    }

    public int getHeight() {
        return Display.contentHeight(this);
    }

    protected void sizeChanged(int w, int h) {}

    Command[] commands() {
        synchronized (commands) {
            return commands.toArray(new Command[0]);
        }
    }

    CommandListener listener() {
        return listener;
    }

    /** Whether the soft key bar is drawn below the content. */
    boolean showsSoftBar() {
        return true;
    }

    /** Paints the whole content area with its origin at the area's top-left. */
    abstract void paintContent(Graphics g, int width, int height);

    /** A key for the displayable itself, after the soft keys had their say. */
    abstract void keyEvent(int keyCode, int kind);
}
