package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertSame;

import java.util.ArrayList;
import java.util.List;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Choice;
import javax.microedition.lcdui.Command;
import javax.microedition.lcdui.Graphics;
import org.junit.jupiter.api.Test;

class DisplayTest {
    static final class Painter extends Canvas {
        final List<String> log = new ArrayList<>();

        protected void paint(Graphics g) {
            g.setClip(0, 0, 1000, 1000); // may not open up beyond the canvas
            g.setColor(0xFF0000);
            g.fillRect(0, 0, 1000, 1000);
        }

        protected void keyPressed(int keyCode) {
            log.add("key " + keyCode);
        }

        protected void showNotify() {
            log.add("shown");
        }

        protected void hideNotify() {
            log.add("hidden");
        }
    }

    @Test
    void softKeysFireCommandsOrReachTheCanvas() {
        Painter canvas = new Painter();
        List<String> fired = new ArrayList<>();
        Command back = new Command("Back", Command.BACK, 2);
        Command ok = new Command("OK", Command.OK, 1);
        canvas.setCommandListener((c, d) -> fired.add(c.getLabel()));
        Phone.show(canvas);
        Phone.tap(-6); // no commands yet: the canvas gets the key
        canvas.addCommand(back);
        canvas.addCommand(ok); // a lower priority number comes first: left
        Phone.tap(-6);
        Phone.tap(-7);
        Phone.tap('5');
        assertEquals(List.of("OK", "Back"), fired);
        assertEquals(List.of("shown", "key -6", "key 53"), canvas.log);
        assertEquals(300, canvas.getHeight()); // the soft key bar takes the rest
        assertEquals(0xFF0000, Phone.screenPixel(10, 299));
        assertEquals(0x303030, Phone.screenPixel(120, 319));
        canvas.setFullScreenMode(true);
        Phone.settle();
        assertEquals(320, canvas.getHeight());
        assertEquals(0xFF0000, Phone.screenPixel(120, 319));
    }

    @Test
    void implicitListsSelectWithFire() {
        javax.microedition.lcdui.List menu = new javax.microedition.lcdui.List(
                "Menu", Choice.IMPLICIT, new String[] {"Play", "Scores", "Exit"}, null);
        List<String> chosen = new ArrayList<>();
        menu.setCommandListener((c, d) -> {
            assertSame(javax.microedition.lcdui.List.SELECT_COMMAND, c);
            chosen.add(menu.getString(menu.getSelectedIndex()));
        });
        Painter canvas = new Painter();
        Phone.show(canvas);
        Phone.show(menu);
        assertEquals(List.of("shown", "hidden"), canvas.log);
        Phone.tap(-2);
        Phone.tap(-2);
        Phone.tap(-2); // stays on the last element
        Phone.tap(-5);
        assertEquals(List.of("Exit"), chosen);
    }
}
