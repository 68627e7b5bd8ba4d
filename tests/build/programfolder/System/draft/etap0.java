// Level 0 of the build tests: a title screen that opens level 1 on any key.
import javax.microedition.lcdui.*;

public class Etap0 extends Canvas {
    private szor midlet;

    public Etap0(szor midlet) { this.midlet = midlet; }

    void start() { repaint(); }

    void stop() {}

    protected void paint(Graphics graphics) {
        graphics.setColor(0x000000);
        graphics.fillRect(0, 0, getWidth(), getHeight());
        MultiLineText.draw(graphics, "Build test", 10, 10);
    }

    protected void keyPressed(int key) { midlet.changeEtap(0, 1); }
}
