import javax.microedition.lcdui.*;

public class MultiLineText {
    static void draw(Graphics graphics, String text, int x, int y) {
        graphics.setColor(0xFFFFFF);
        graphics.drawString(text, x, y, Graphics.TOP | Graphics.LEFT);
    }
}
