package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertEquals;

import java.util.ArrayList;
import java.util.List;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Display;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.game.GameCanvas;
import javax.microedition.midlet.MIDlet;
import org.junit.jupiter.api.Test;
import zor.wtk.Access;
import zor.wtk.Device;

class GameCanvasTest {
    private static final MIDlet MIDLET = new MIDlet() {
        protected void startApp() {}

        protected void pauseApp() {}

        protected void destroyApp(boolean unconditional) {}
    };

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

    private static void show(Canvas canvas) {
        Display.getDisplay(MIDLET).setCurrent(canvas);
        settle();
    }

    private static void settle() {
        Device.get().events.invokeAndWait(() -> {});
    }

    private static void key(int code, boolean pressed) {
        Device.get().keyInput(code, pressed ? Access.KEY_PRESSED : Access.KEY_RELEASED);
    }

    @Test
    void keyStatesLatchShortPressesAndReportHeldKeys() {
        Game game = new Game(false);
        Game other = new Game(false);
        show(game);
        assertEquals(0, game.getKeyStates());
        key(-4, true); // RIGHT, let go before the game looks
        key(-4, false);
        assertEquals(GameCanvas.RIGHT_PRESSED, game.getKeyStates());
        assertEquals(0, game.getKeyStates());
        key('2', true); // the 2 key is UP as well
        assertEquals(GameCanvas.UP_PRESSED, game.getKeyStates());
        assertEquals(GameCanvas.UP_PRESSED, game.getKeyStates());
        key('2', false);
        key(-5, true);
        show(other); // a hidden canvas reports nothing, and forgets its keys
        assertEquals(0, game.getKeyStates());
        key(-5, false);
        show(game);
        assertEquals(0, game.getKeyStates());
    }

    @Test
    void suppressedGameKeysReachOnlyTheKeyStates() {
        Game game = new Game(true);
        show(game);
        key(-3, true);
        key(-3, false);
        key('0', true);
        key('0', false);
        settle();
        assertEquals(List.of((int) '0'), game.pressed);
        assertEquals(GameCanvas.LEFT_PRESSED, game.getKeyStates());
    }

    @Test
    void flushGraphicsShowsTheBufferOnlyWhileShown() {
        Game shown = new Game(false);
        show(shown);
        Game game = new Game(false);
        Graphics g = game.buffer();
        g.setColor(0x123456);
        g.fillRect(0, 0, 240, 320);
        game.flushGraphics(); // not shown: nothing happens
        assertEquals(0xFFFFFF, screenPixel(5, 5)); // the shown buffer is still the white it began as
        show(game);
        g.setColor(0x00FF00);
        g.fillRect(5, 5, 1, 1);
        game.flushGraphics(5, 5, 1, 1);
        assertEquals(0x00FF00, screenPixel(5, 5));
        assertEquals(0x123456, screenPixel(6, 6));
    }

    private static int screenPixel(int x, int y) {
        int[] pixel = new int[1];
        Device.get().withScreen(screen -> pixel[0] = screen.argb(x, y) & 0xFFFFFF);
        return pixel[0];
    }
}
