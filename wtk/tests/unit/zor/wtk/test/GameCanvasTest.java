package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertEquals;

import java.util.ArrayList;
import java.util.List;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.game.GameCanvas;
import org.junit.jupiter.api.Test;

class GameCanvasTest {
    static final class Game extends GameCanvas {
        final List<Integer> pressed = new ArrayList<>();

        Game(boolean suppress) {
            super(suppress);
            setFullScreenMode(true);
        }

        protected void keyPressed(int keyCode) {
            pressed.add(keyCode);
        }

        Graphics buffer() {
            return getGraphics();
        }
    }

    @Test
    void keyStatesLatchShortPressesAndReportHeldKeys() {
        Game game = new Game(false);
        Game other = new Game(false);
        Phone.show(game);
        assertEquals(0, game.getKeyStates());
        Phone.key(-4, true); // RIGHT, let go before the game looks
        Phone.key(-4, false);
        assertEquals(GameCanvas.RIGHT_PRESSED, game.getKeyStates());
        assertEquals(0, game.getKeyStates());
        Phone.key('2', true); // the 2 key is UP as well
        assertEquals(GameCanvas.UP_PRESSED, game.getKeyStates());
        assertEquals(GameCanvas.UP_PRESSED, game.getKeyStates());
        Phone.key('2', false);
        Phone.key(-5, true);
        Phone.show(other); // a hidden canvas reports nothing, and forgets its keys
        assertEquals(0, game.getKeyStates());
        Phone.key(-5, false);
        Phone.show(game);
        assertEquals(0, game.getKeyStates());
    }

    @Test
    void suppressedGameKeysReachOnlyTheKeyStates() {
        Game game = new Game(true);
        Phone.show(game);
        Phone.key(-3, true);
        Phone.key(-3, false);
        Phone.key('0', true);
        Phone.key('0', false);
        Phone.settle();
        assertEquals(List.of((int) '0'), game.pressed);
        assertEquals(GameCanvas.LEFT_PRESSED, game.getKeyStates());
    }

    @Test
    void flushGraphicsShowsTheBufferOnlyWhileShown() {
        Game shown = new Game(false);
        Phone.show(shown);
        Game game = new Game(false);
        Graphics g = game.buffer();
        g.setColor(0x123456);
        g.fillRect(0, 0, 240, 320);
        game.flushGraphics(); // not shown: nothing happens
        assertEquals(0xFFFFFF,
                Phone.screenPixel(5, 5)); // the shown buffer is still the white it began as
        Phone.show(game);
        g.setColor(0x00FF00);
        g.fillRect(5, 5, 1, 1);
        game.flushGraphics(5, 5, 1, 1);
        assertEquals(0x00FF00, Phone.screenPixel(5, 5));
        assertEquals(0x123456, Phone.screenPixel(6, 6));
    }
}
